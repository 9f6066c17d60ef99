#pragma once

#include "storage/Card.h"

#include <QString>
#include <optional>

class QWidget;

namespace lumidex {

struct Side;

// Opens the search window of the registry (no side) or of a book side over the
// archive at `archivePath`, for the editor whose marker is `marker`, and returns
// the card the user chose with a double click; nothing when the window closed
// without one, or chose it under another editor's marker.
std::optional<Card> findCard(QWidget* owner, const Side* side, const QString& archivePath, const QString& marker);

} // namespace lumidex
