#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace lumidex {

// Draws one of the program's pictures (SVG or bitmap) at `size` on white, ready to
// be shown in a photo frame or written as a JPEG.
QImage renderPicture(const QString& resource, const QSize& size);

// Paints the whole of `window` with the vertical gradient behind the program's
// screens and dialogs; called from the window's paint event.
void paintVerticalGradient(QWidget* window, const QColor& top, const QColor& bottom);

} // namespace lumidex
