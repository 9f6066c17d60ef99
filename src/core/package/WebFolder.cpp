#include "package/WebFolder.h"

#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "storage/SafeWrite.h"
#include "texts/FailureTexts.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace lumidex::package {

WebFolder::~WebFolder()
{
    if (!m_kept && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

bool WebFolder::create(const QString& parentDir, const QString& base, FailureCause* cause)
{
    errno = 0;
    m_path = createFreeFolder(parentDir, base);
    if (m_path.isEmpty() && cause)
        *cause = FailureCause::fromErrno(QStringLiteral("Cannot create a folder in %1").arg(parentDir));
    return !m_path.isEmpty();
}

WebOutcome WebFolder::finish(const QByteArray& indexPage)
{
    WebOutcome outcome;
    if (!write(QString::fromLatin1(styleSheetName), styleSheet(), &outcome.cause)
        || !write(QStringLiteral("index.html"), indexPage, &outcome.cause))
        return outcome;
    m_kept = true;
    outcome.status = WebOutcome::Status::Done;
    outcome.folder = m_path;
    return outcome;
}

bool WebFolder::write(const QString& relativePath, QByteArrayView contents, FailureCause* cause)
{
    const QString path = m_path + QLatin1Char('/') + relativePath;
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        if (cause)
            *cause = FailureCause::fromErrno(QStringLiteral("Cannot create the folder %1").arg(folder));
        return false;
    }
    return safewrite::replaceFile(path, contents, cause);
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
