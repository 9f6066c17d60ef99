#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// Small pictures made in code, and their files.
namespace lumidex::test {

// A picture of one colour with a black mark in its top left corner, so that
// orientation and identity can be told apart after a round trip.
QImage markedImage(const QSize& size, const QColor& colour);
// A picture whose left half is red and right half blue, so that a rotation shows.
QImage twoColourImage(int width, int height);
// A square of random pixels, always the same: its JPEG takes several pages of a
// disk, as a camera's photo does.
QImage speckledImage(int side);

// `image` encoded as JPEG at `quality` (-1: the library's default); empty on failure.
QByteArray encodeJpeg(const QImage& image, int quality = -1);
// `image` in another file format ("bmp", "png"...); empty on failure.
QByteArray encodeImage(const QImage& image, const char* format);
// `jpeg` with an EXIF segment carrying `orientation` (1..8) after its JFIF header.
QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation);

// Whether `colour` is clearly nearer to `expected` than to any other primary,
// as JPEG compression only keeps colours approximately.
bool looksLike(QColor colour, QColor expected);

} // namespace lumidex::test
