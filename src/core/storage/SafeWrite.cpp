#include "storage/SafeWrite.h"

#include "storage/FolderSync.h"

#include "storage/CheckedOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace lumidex::safewrite {

namespace {

bool fail(FailureCause* cause, FailureCause why)
{
    if (cause)
        *cause = std::move(why);
    return false;
}

// The cause of a failure Qt reports only in words: errno still holds the
// system's answer to the call that failed.
FailureCause causeOf(const QFileDevice& file, int error)
{
    return fileFailure(file.fileName(), error, file.errorString());
}

// A name beside `path` that nothing in the folder has yet.
QString unusedNameBeside(const QString& path)
{
    for (;;) {
        const QString candidate = QStringLiteral("%1.nuovo-%2")
                                      .arg(path)
                                      .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            return candidate;
    }
}

std::filesystem::path fileSystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Puts the finished file `written` in the place of the link at `path`; rename()
// replaces the link itself, never the file it leads to.
bool replaceLink(const QString& written, const QString& path, FailureCause* cause)
{
    std::error_code error;
    std::filesystem::rename(fileSystemPath(written), fileSystemPath(path), error);
    if (!error)
        return true;
    QFile::remove(written);
    return fail(cause, FailureCause::fromSystem(error.value(), QString::fromStdString(error.message())));
}

} // namespace

bool replaceFile(const QString& path, const Fill& fill, FailureCause* cause)
{
    // QSaveFile follows a link and replaces the file it leads to, wherever that
    // is; the folder's own entry is what is being replaced. So a link gets the new
    // file written under a name beside it, which then takes the link's place.
    const bool link = QFileInfo(path).isSymLink();
    const QString written = link ? unusedNameBeside(path) : path;

    QSaveFile file(written);
    // Unbuffered, every refusal of the disk meets the write that caused it, with
    // the system's answer.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(cause, causeOf(file, errno));
    CheckedOutput out(file, file.handle());
    FailureCause why;
    const bool filled = fill(out, why);
    // commit() renames even a file whose last buffered bytes never reached the
    // disk (a full disk answers only at the flush, which commit() does not
    // heed), so the flush and the file's error are checked before it.
    errno = 0;
    const bool whole = filled && !out.failed() && file.flush() && file.error() == QFileDevice::NoError;
    if (!whole) {
        FailureCause found = out.failed() ? out.cause() : !filled ? why : causeOf(file, errno);
        if (found.detail().isEmpty() && !found.isKnown())
            found = FailureCause::fromSystem(0, QStringLiteral("The file was not written whole"));
        file.cancelWriting();
        return fail(cause, std::move(found));
    }
    // commit() syncs the new file too, but does not say whether the sync worked:
    // a share that learns of a full disk only at the sync would have a file
    // replaced by one that never reached its disk. So it is synced and checked
    // here, and a refusal keeps the old file; never tried again, since a sync
    // that failed once may answer the next time for pages it already dropped.
    if (::fdatasync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        return fail(cause, FailureCause::fromSystem(error, qt_error_string(error)));
    }
    errno = 0;
    if (!file.commit())
        return fail(cause, causeOf(file, errno));
    if (link && !replaceLink(written, path, cause))
        return false;
    syncFolderOf(path);
    return true;
}

bool replaceFile(const QString& path, QByteArrayView contents, FailureCause* cause)
{
    return replaceFile(
        path,
        [contents](
            QIODevice& out, FailureCause&) { return out.write(contents.data(), contents.size()) == contents.size(); },
        cause);
}

} // namespace lumidex::safewrite
