#pragma once

#include <QKeySequence>
#include <QSize>
#include <QString>

class QToolButton;
class QWidget;

namespace lumidex {

// A clickable picture: no frame, a hand cursor, its explanation in the status
// line exactly as written. Its tooltip repeats the explanation and, when the
// picture has a shortcut, names the keys.
QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& picture, const QSize& size,
    const QString& statusTip, const QKeySequence& shortcut = {});

// The tooltip of a picture button: "Salva la scheda in archivio. (Ctrl+S)", with
// key names in words whatever the desktop.
QString tooltipWithShortcut(const QString& statusTip, const QKeySequence& shortcut);

} // namespace lumidex
