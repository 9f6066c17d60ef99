#pragma once

#include "kinds/ArchiveKind.h"

#include <QString>
#include <optional>

class QWidget;

namespace lumidex {

// Opens the date calendar for the book editor of `kind` and returns the date the user imported, in the program's date
// form; nothing when the user cancelled.
std::optional<QString> pickDate(QWidget* owner, ArchiveKind kind);

} // namespace lumidex
