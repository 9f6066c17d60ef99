#include "storage/PhotoFiles.h"

#include "common/FitToFrame.h"
#include "common/Text.h"
#include "storage/ProgramFolder.h"
#include "storage/SafeWrite.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <cerrno>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace lumidex::photofiles {

namespace {

bool makeFolderOf(const QString& path, FailureCause* cause)
{
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (QDir().mkpath(folder))
        return true;
    if (cause)
        *cause = FailureCause::fromErrno(
            QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));
    return false;
}

bool isJpeg(const QByteArray& format)
{
    return format == "jpeg" || format == "jpg";
}

// Asks the system for the memory of [data, data + size) in one call, where it
// can, rather than a page at a time as the bytes are written: a camera photo of
// 15 MB is nearly four thousand pages, and on a virtual machine each page handed
// over on first touch costs several microseconds, more than its bytes take to
// read. Only a hint: where the system cannot, the pages come as they are touched.
void takeMemoryInOneGo(char* data, qint64 size)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    const auto page = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(data) + page - 1) & ~(page - 1);
    const quintptr end = (quintptr(data) + quintptr(size)) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

// The whole of `file`, read into memory taken in one go. A file that changed
// size meanwhile is read as far as it goes; a failure shows in file.error().
QByteArray readWhole(QFile& file)
{
    const qint64 size = file.size();
    QByteArray bytes(size, Qt::Uninitialized);
    takeMemoryInOneGo(bytes.data(), size);
    qint64 got = 0;
    while (got < size) {
        const qint64 read = file.read(bytes.data() + got, size - got);
        if (read <= 0)
            break;
        got += read;
    }
    bytes.resize(got);
    if (got == size)
        bytes += file.readAll();
    return bytes;
}

// What `reader` holds, upright, at no more than `bound` (an empty bound: whole),
// proportions kept. A JPEG is decoded straight at the smaller size, so a
// 45-megapixel photo shown in a frame is never decoded whole. `wholeSize`, when
// asked, gets the picture's own size, upright, if the reader can tell it.
QImage readFitting(QImageReader& reader, const QSize& bound, QSize* wholeSize)
{
    reader.setAutoTransform(true);
    // The reader scales the frame as stored, before turning it upright: a photo
    // taken with the camera held upright meets the bound turned a quarter.
    const QSize stored = reader.size();
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    if (wholeSize)
        *wholeSize = turned ? stored.transposed() : stored;
    const QSize storedBound = turned ? bound.transposed() : bound;
    if (stored.isValid() && !bound.isEmpty()
        && (stored.width() > storedBound.width() || stored.height() > storedBound.height()))
        reader.setScaledSize(fitInto(stored, storedBound));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    // A format that cannot tell its size before decoding arrives whole.
    if (wholeSize && !wholeSize->isValid())
        *wholeSize = image.size();
    if (!bound.isEmpty() && (image.width() > bound.width() || image.height() > bound.height()))
        image = image.scaled(fitInto(image.size(), bound), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

void allowLargePictures()
{
    QImageReader::setAllocationLimit(largePictureLimitMb);
}

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

KeptPicture keepPicture(const QString& path, const QSize& bound)
{
    KeptPicture picture;
    if (!QFileInfo::exists(path))
        return picture;
    picture.status = DecodedPicture::Status::Unreadable;

    // Judged by its header before a byte more is read: a file of gigabytes that
    // is no picture must not be taken into memory to find that out.
    {
        QImageReader probe(path);
        if (!probe.canRead())
            return picture;
    }

    // The file is read once: its bytes are decoded and kept as they are.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return picture;
    QByteArray bytes = readWhole(file);
    // Asked before the file is closed, which clears an earlier read error: a
    // photo read only in part must never be kept, and saved over the whole one.
    if (file.error() != QFileDevice::NoError)
        return picture;
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Asked before reading: afterwards the reader no longer knows.
    const bool jpeg = isJpeg(reader.format());
    QSize wholeSize;
    QImage image = readFitting(reader, bound, &wholeSize);
    buffer.close();
    if (image.isNull())
        return picture;

    picture.status = DecodedPicture::Status::Loaded;
    picture.image = std::move(image);
    picture.wholeSize = wholeSize;
    picture.bytes = std::move(bytes);
    picture.jpeg = jpeg;
    return picture;
}

KeptPicture keepPhoto(const QString& path, const QSize& bound)
{
    // A folder that cannot be made simply leaves the photo missing.
    makeFolderOf(path, nullptr);
    return keepPicture(path, bound);
}

QImage pictureFromBytes(const QByteArray& bytes, const QSize& bound)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readFitting(reader, bound, nullptr);
}

DecodedPicture decodePictureFitting(const QString& path, const QSize& bound)
{
    DecodedPicture picture;
    if (!QFileInfo::exists(path))
        return picture;
    picture.status = DecodedPicture::Status::Unreadable;

    QImageReader reader(path);
    QImage image = readFitting(reader, bound, nullptr);
    if (image.isNull())
        return picture;

    picture.status = DecodedPicture::Status::Loaded;
    picture.image = std::move(image);
    return picture;
}

bool writePhoto(
    const QString& path, const QImage& image, const QByteArray& jpegBytes, bool createFolder, FailureCause* cause)
{
    if (createFolder && !makeFolderOf(path, cause))
        return false;

    if (!jpegBytes.isEmpty())
        return safewrite::replaceFile(path, jpegBytes, cause);
    // Encoded straight into the new file; what the encoder could not write is
    // caught before the file replaces the old photo.
    return safewrite::replaceFile(
        path,
        [&image](QIODevice& out, FailureCause& why) {
            QImageWriter writer(&out, "jpg");
            if (writer.write(image))
                return true;
            why = FailureCause::fromSystem(0, writer.errorString());
            return false;
        },
        cause);
}

} // namespace lumidex::photofiles
