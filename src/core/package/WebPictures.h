#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The pictures of a package or gallery: JPEG files made from the photos at the
// size a screen shows them, never the originals.
namespace lumidex::package {

// The long side of a large picture of a page, and of a picture of a grid.
inline constexpr int webPictureSide = 1600;
inline constexpr int thumbnailSide = 480;
inline constexpr int webJpegQuality = 85;

// The size a picture of `original` pixels is written at: the same when its long
// side is at most `longSide`, otherwise reduced to that long side with its
// proportions kept (never a side of zero).
QSize webSize(const QSize& original, int longSide);

// The picture at `path` decoded upright (its EXIF orientation applied) straight
// at no more than `longSide` on its long side; null when it cannot be read.
QImage webPicture(const QString& path, int longSide = webPictureSide);

// `picture` reduced to `longSide` as webSize() says, smoothly.
QImage reducedPicture(const QImage& picture, int longSide);

// `picture` as the bytes of a JPEG file; empty when it cannot be encoded.
QByteArray jpegBytes(const QImage& picture, int quality = webJpegQuality);

} // namespace lumidex::package
