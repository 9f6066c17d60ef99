#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lumidex {

struct Side;

// A card chosen in a search window, and the marker the window was working under.
struct ChosenCard {
    QString marker;
    int position = 0;
    QStringList values;
};

// Opens the search window of the registry (no side) or of a book side over the
// archive at `archivePath`, for the editor whose marker is `marker`, and returns
// the card the user chose with a double click; nothing when the window closed
// without one.
std::optional<ChosenCard> findCard(QWidget* owner, const Side* side, const QString& archivePath, const QString& marker);

} // namespace lumidex
