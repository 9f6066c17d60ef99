#include "storage/PhotoFiles.h"

#include "common/FitToFrame.h"
#include "common/Text.h"
#include "storage/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace lumidex::photofiles {

namespace {

// Megabytes a decoded picture may take. Qt's default stops near 33 megapixels;
// today's cameras take 50 and more.
constexpr int allocationLimitMb = 1024;

bool makeFolderOf(const QString& path, QString* reason)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return true;
    if (reason)
        *reason = QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
    return false;
}

bool isJpeg(const QByteArray& format)
{
    return format == "jpeg" || format == "jpg";
}

} // namespace

QString registryPhotoPath(const QString& programDir, const QString& position)
{
    return QDir(programDir)
        .filePath(QStringLiteral("%1/Scheda_%2.jpg")
                      .arg(QLatin1String(programfolder::registryPhotoFolder), text::trimmed(position)));
}

QString bookPhotoPath(
    const QString& programDir, const QString& folder, const QString& bookName, const QString& position)
{
    return QDir(programDir)
        .filePath(QStringLiteral("%1/%2_Foto_%3.jpg").arg(folder, text::trimmed(bookName), text::trimmed(position)));
}

DecodedPicture decodePicture(const QString& path)
{
    DecodedPicture picture;
    if (!QFileInfo::exists(path))
        return picture;
    picture.status = DecodedPicture::Status::Unreadable;

    // Judged by its header before a byte more is read: a file of gigabytes that
    // is no picture must not be taken into memory to find that out.
    QImageReader::setAllocationLimit(allocationLimitMb);
    {
        QImageReader probe(path);
        if (!probe.canRead())
            return picture;
    }

    // The file is read once: its bytes are decoded and, for a JPEG, kept as they are.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return picture;
    QByteArray bytes = file.readAll();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return picture;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // Asked before reading: afterwards the reader no longer knows.
    const bool jpeg = isJpeg(reader.format());
    QImage image = reader.read();
    if (image.isNull())
        return picture;

    picture.status = DecodedPicture::Status::Loaded;
    picture.image = std::move(image);
    if (jpeg)
        picture.jpegBytes = std::move(bytes);
    return picture;
}

DecodedPicture decodePictureFitting(const QString& path, const QSize& bound)
{
    DecodedPicture picture;
    if (!QFileInfo::exists(path))
        return picture;
    picture.status = DecodedPicture::Status::Unreadable;

    // Set once only: the slideshow decodes its next photo on a thread of its own.
    if (QImageReader::allocationLimit() != allocationLimitMb)
        QImageReader::setAllocationLimit(allocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The reader scales the frame as stored, before turning it upright: a photo
    // taken with the camera held upright meets the bound turned a quarter.
    const QSize stored = reader.size();
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize storedBound = turned ? bound.transposed() : bound;
    if (stored.isValid() && !bound.isEmpty()
        && (stored.width() > storedBound.width() || stored.height() > storedBound.height()))
        reader.setScaledSize(fitInto(stored, storedBound));
    QImage image = reader.read();
    if (image.isNull())
        return picture;
    // A format that cannot tell its size before decoding arrives whole.
    if (!bound.isEmpty() && (image.width() > bound.width() || image.height() > bound.height()))
        image = image.scaled(fitInto(image.size(), bound), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    picture.status = DecodedPicture::Status::Loaded;
    picture.image = std::move(image);
    return picture;
}

DecodedPicture loadPhoto(const QString& path)
{
    // A folder that cannot be made simply leaves the photo missing.
    makeFolderOf(path, nullptr);
    return decodePicture(path);
}

bool writePhoto(
    const QString& path, const QImage& image, const QByteArray& jpegBytes, bool createFolder, QString* reason)
{
    if (createFolder && !makeFolderOf(path, reason))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    if (!jpegBytes.isEmpty()) {
        if (file.write(jpegBytes) != jpegBytes.size()) {
            if (reason)
                *reason = file.errorString();
            file.cancelWriting();
            return false;
        }
    } else {
        QImageWriter writer(&file, "jpg");
        if (!writer.write(image)) {
            if (reason)
                *reason = writer.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace lumidex::photofiles
