#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

namespace lumidex {

// The frame of the program's small windows: a title bar without close, minimise
// or maximise boxes, and a size the user cannot change.
inline constexpr Qt::WindowFlags fixedFrame
    = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;

// Names the window, gives it its caption and fixes its client size.
void setUpFixedWindow(QWidget* window, const QString& objectName, const QString& caption, const QSize& clientSize);

// Keeps a fixed-size window in the middle of the screen it appears on (the
// screen of its owner, if it has one) every time it is shown: placed at once,
// and placed again as soon as the window manager has put its frame around it,
// so that the whole frame, title bar included, sits in the middle.
void centreOnScreen(QWidget* window);
// The same, in the middle of its owner window.
void centreOnOwner(QWidget* window);

} // namespace lumidex
