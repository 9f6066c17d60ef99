#include "support/TestHelpers.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QWidget>

namespace lumidex::test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

QImage markedImage(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 4, size.height() / 4), Qt::black);
    return image;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

void closeModalLeftovers()
{
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

} // namespace lumidex::test
