#include "support/TestPictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>

namespace lumidex::test {

QImage markedImage(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 4, size.height() / 4), Qt::black);
    return image;
}

QImage twoColourImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

QImage speckledImage(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator generator(11);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, generator.generate() | 0xFF000000u);
    return image;
}

namespace {

QByteArray encode(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    return encode(image, "jpg", quality);
}

QByteArray encodeImage(const QImage& image, const char* format)
{
    return encode(image, format, -1);
}

QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation)
{
    // "Exif\0\0", then a big-endian TIFF header whose first directory holds one
    // entry: tag 0x0112 (Orientation), type SHORT, one value.
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("MM\x00\x2a\x00\x00\x00\x08", 8);
    exif += QByteArray("\x00\x01", 2);
    exif += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8);
    exif += char(orientation >> 8);
    exif += char(orientation & 0xff);
    exif += QByteArray(2, '\0');
    exif += QByteArray(4, '\0');

    QByteArray segment("\xff\xe1", 2);
    const quint16 length = quint16(exif.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += exif;

    // SOI, then the JFIF APP0 segment the writer puts first; EXIF follows it.
    int at = 2;
    if (uchar(jpeg[2]) == 0xff && uchar(jpeg[3]) == 0xe0)
        at = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    QByteArray result = jpeg;
    result.insert(at, segment);
    return result;
}

bool looksLike(QColor colour, QColor expected)
{
    const auto distance = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
    };
    return distance(colour, expected) < 120;
}

} // namespace lumidex::test
