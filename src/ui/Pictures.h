#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace lumidex {

// Draws one of the program's pictures (SVG or bitmap) at `size` on white, ready to
// be shown in a photo frame or written as a JPEG.
QImage renderPicture(const QString& resource, const QSize& size);

// One of the program's pictures at its designed size, on a transparent ground so
// that a window's gradient shows through its rounded corners, drawn at the
// screen's pixel density.
QPixmap picturePixmap(const QString& resource, const QSize& size);

// A picture that only decorates: a fixed-size label showing it.
QLabel* makePicture(QWidget* parent, const QString& objectName, const QString& resource, const QSize& size);

// `picture` scaled to fit `frame` with its proportions kept, drawn at the given
// pixel density so that a large photo stays sharp. Null for an empty picture.
QPixmap fittedPixmap(const QImage& picture, const QSize& frame, qreal devicePixelRatio);

// Paints the whole of `window` with the vertical gradient behind the program's
// screens and dialogs; called from the window's paint event.
void paintVerticalGradient(QWidget* window, const QColor& top, const QColor& bottom);

} // namespace lumidex
