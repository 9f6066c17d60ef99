#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Small pictures made in code for the photo tests.
namespace lumidex::test {

// A picture whose left half is red and right half blue, so that a rotation shows.
QImage twoColourImage(int width, int height);

// `image` encoded as JPEG at `quality` (-1: the library's default).
QByteArray encodeJpeg(const QImage& image, int quality = -1);
QByteArray encodeImage(const QImage& image, const char* format);

// `jpeg` with an EXIF segment carrying `orientation` (1..8) after its JFIF header.
QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// Whether `colour` is clearly nearer to `expected` than to any other primary,
// as JPEG compression only keeps colours approximately.
bool looksLike(QColor colour, QColor expected);

} // namespace lumidex::test
