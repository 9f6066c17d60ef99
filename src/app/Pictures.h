#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumidex {

// Draws one of the program's pictures (SVG or bitmap) at `size` on white, ready to
// be shown in a photo frame or written as a JPEG.
QImage renderPicture(const QString& resource, const QSize& size);

} // namespace lumidex
