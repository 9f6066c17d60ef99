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

// Places a fixed-size window in the middle of the screen it will appear on (the
// screen of its owner, if it has one).
void centreOnScreen(QWidget* window);

} // namespace lumidex
