#pragma once

#include "kinds/ArchiveKind.h"
#include "storage/Card.h"

#include <QString>
#include <optional>

class QWidget;

namespace lumidex {

// Opens the search window of `kind` over the archive at `archivePath`, for that
// kind's editor, and returns the card the user chose with a double click;
// nothing when the window closed without one.
std::optional<Card> findCard(QWidget* owner, ArchiveKind kind, const QString& archivePath);

} // namespace lumidex
