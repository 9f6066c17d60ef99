#include "package/WebPictures.h"

#include "common/FitToFrame.h"
#include "storage/PhotoFiles.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace lumidex::package {

QSize webSize(const QSize& original, int longSide)
{
    if (original.isEmpty() || longSide <= 0)
        return {};
    if (qMax(original.width(), original.height()) <= longSide)
        return original;
    return fitInto(original, QSize(longSide, longSide));
}

QImage webPicture(const QString& path, int longSide)
{
    const photofiles::DecodedPicture decoded = photofiles::decodePictureFitting(path, QSize(longSide, longSide));
    if (decoded.status != photofiles::DecodedPicture::Status::Loaded)
        return {};
    // The decoder may stop a little above the size asked when it scales by
    // halves; the page's file never does.
    return reducedPicture(decoded.image, longSide);
}

QImage reducedPicture(const QImage& picture, int longSide)
{
    const QSize size = webSize(picture.size(), longSide);
    if (size.isEmpty() || size == picture.size())
        return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QByteArray jpegBytes(const QImage& picture, int quality)
{
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    // A picture with transparency gets a white ground, as it shows on a page.
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, picture);
    }
    if (!writer.write(opaque))
        return {};
    return bytes;
}

} // namespace lumidex::package
