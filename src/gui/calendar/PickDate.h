#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace lumidex {

// Opens the date calendar for the editor whose date marker is `marker` and
// returns the date the user imported, in the program's date form; nothing when
// the user cancelled.
std::optional<QString> pickDate(QWidget* owner, const QString& marker);

} // namespace lumidex
