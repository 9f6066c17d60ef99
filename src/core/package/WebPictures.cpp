#include "package/WebPictures.h"

#include "common/FitToFrame.h"
#include "common/SideBySide.h"
#include "package/WebFolder.h"
#include "storage/PhotoFiles.h"
#include "texts/FailureTexts.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <exception>

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

namespace {

EncodedPicture encodeWebPicture(const PictureJob& job)
{
    EncodedPicture encoded;
    const QImage large = webPicture(job.sourcePath, webPictureSide);
    if (large.isNull())
        return encoded;
    encoded.status = EncodedPicture::Status::Failed;
    encoded.large = jpegBytes(large);
    encoded.size = large.size();
    if (encoded.large.isEmpty())
        return encoded;
    if (job.thumbnail) {
        const QImage small = reducedPicture(large, thumbnailSide);
        encoded.thumbnail = jpegBytes(small);
        encoded.thumbnailSize = small.size();
        if (encoded.thumbnail.isEmpty())
            return encoded;
    }
    encoded.status = EncodedPicture::Status::Encoded;
    return encoded;
}

} // namespace

QList<EncodedPicture> encodeWebPictures(const QList<PictureJob>& jobs)
{
    QList<EncodedPicture> pictures(jobs.size());
    if (jobs.isEmpty())
        return pictures;
    // Side by side, one a core; the decoder's process-wide limit was set at
    // start-up (photofiles::allowLargePictures), never here.
    // Detached once here, not by the threads.
    EncodedPicture* const encoded = pictures.data();
    sidebyside::forEachIndex(jobs.size(), [&](qsizetype i) {
        try {
            encoded[i] = encodeWebPicture(jobs.at(i));
        } catch (const std::exception&) {
            encoded[i].status = EncodedPicture::Status::Failed;
        }
    });
    return pictures;
}

WrittenPicture writeWebPicture(WebFolder& folder, const EncodedPicture& picture, const QString& largePath,
    const QString& thumbnailPath, FailureCause* cause)
{
    WrittenPicture written;
    if (picture.status == EncodedPicture::Status::Unreadable)
        return written;
    written.status = WrittenPicture::Status::Failed;
    if (picture.status == EncodedPicture::Status::Failed) {
        if (cause)
            *cause = FailureCause::described(failuretext::pictureNotEncoded());
        return written;
    }
    if (!folder.write(largePath, picture.large, cause))
        return written;
    if (!thumbnailPath.isEmpty() && !folder.write(thumbnailPath, picture.thumbnail, cause))
        return written;
    written.status = WrittenPicture::Status::Written;
    written.size = picture.size;
    written.thumbnailSize = picture.thumbnailSize;
    return written;
}

} // namespace lumidex::package
