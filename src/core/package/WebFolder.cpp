#include "package/WebFolder.h"

#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "storage/SafeWrite.h"

#include <QDir>
#include <QFileInfo>

namespace lumidex::package {

WebFolder::~WebFolder()
{
    if (!m_kept && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

bool WebFolder::create(const QString& parentDir, const QString& base, QString* reason)
{
    m_path = createFreeFolder(parentDir, base);
    if (m_path.isEmpty() && reason)
        *reason = QStringLiteral("impossibile creare una cartella in %1").arg(QDir::toNativeSeparators(parentDir));
    return !m_path.isEmpty();
}

WebOutcome WebFolder::finish(const QByteArray& indexPage)
{
    WebOutcome outcome;
    if (!write(QString::fromLatin1(styleSheetName), styleSheet(), &outcome.reason)
        || !write(QStringLiteral("index.html"), indexPage, &outcome.reason))
        return outcome;
    m_kept = true;
    outcome.status = WebOutcome::Status::Done;
    outcome.folder = m_path;
    return outcome;
}

bool WebFolder::write(const QString& relativePath, QByteArrayView contents, QString* reason)
{
    const QString path = m_path + QLatin1Char('/') + relativePath;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = QStringLiteral("impossibile creare la cartella %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return safewrite::replaceFile(path, contents, reason);
}

} // namespace lumidex::package

#include "common/SideBySide.h"
#include "package/WebPictures.h"

#include <exception>

namespace lumidex::package {

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
    const QString& thumbnailPath, QString* reason)
{
    WrittenPicture written;
    if (picture.status == EncodedPicture::Status::Unreadable)
        return written;
    written.status = WrittenPicture::Status::Failed;
    if (picture.status == EncodedPicture::Status::Failed) {
        if (reason)
            *reason = QStringLiteral("impossibile codificare una foto in JPEG");
        return written;
    }
    if (!folder.write(largePath, picture.large, reason))
        return written;
    if (!thumbnailPath.isEmpty() && !folder.write(thumbnailPath, picture.thumbnail, reason))
        return written;
    written.status = WrittenPicture::Status::Written;
    written.size = picture.size;
    written.thumbnailSize = picture.thumbnailSize;
    return written;
}

} // namespace lumidex::package
