#pragma once

#include <QKeySequence>
#include <QSize>
#include <QString>

class QToolButton;
class QWidget;

namespace lumidex {

// A clickable picture: no frame, a hand cursor, its explanation in the status
// line. With a shortcut, the explanation names it too.
QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& picture, const QSize& size,
    const QString& statusTip, const QKeySequence& shortcut = {});

// The explanation shown in the status line, with the shortcut when there is one.
QString statusTipWithShortcut(const QString& statusTip, const QKeySequence& shortcut);

} // namespace lumidex
