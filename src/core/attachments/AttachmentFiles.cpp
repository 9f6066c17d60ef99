#include "attachments/AttachmentFiles.h"

#include "common/Text.h"
#include "storage/ProgramFolder.h"
#include "storage/SafeWrite.h"
#include "storage/TextField.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <filesystem>

namespace lumidex::attachments {

namespace {

constexpr qint64 copyChunkSize = 1 << 20;

} // namespace

bool isAttachmentName(const QString& name)
{
    const QString bare = text::trimmed(name);
    if (bare.isEmpty() || bare == u"." || bare == u"..")
        return false;
    // A NUL ends the name for the system: "..\0x" would be the program folder.
    for (const QChar c : bare)
        if (c == u'/' || c == u'\\' || c == u'\0')
            return false;
    return true;
}

bool canStoreName(const QString& fileName)
{
    const QString name = text::trimmed(fileName);
    if (!isAttachmentName(name) || name.size() > nameCapacity)
        return false;
    // A character the code page lacks would come back from the record as "?".
    return textfield::fromWindows1252(textfield::toWindows1252(name)) == name;
}

QString attachedFilePath(const QString& programDir, const QString& name)
{
    if (!isAttachmentName(name))
        return {};
    // Joined by hand: a name read from a card is never taken for a path of its own.
    return programfolder::attachmentsFolderPath(programDir) + QLatin1Char('/') + text::trimmed(name);
}

bool isSameFile(const QString& first, const QString& second)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(first).toStdString()),
        std::filesystem::path(QFile::encodeName(second).toStdString()), error);
    return !error && same;
}

bool copyReplacing(QIODevice& source, const QString& destination, FailureCause* cause, const CopyStep& step)
{
    errno = 0;
    if (!source.isOpen() && !source.open(QIODevice::ReadOnly)) {
        if (cause) {
            const auto* file = qobject_cast<const QFileDevice*>(&source);
            *cause = file ? fileFailure(file->fileName(), errno, source.errorString())
                          : FailureCause::fromErrno(source.errorString());
        }
        return false;
    }
    return safewrite::replaceFile(
        destination,
        [&source, &step](QIODevice& out, FailureCause& why) {
            QByteArray chunk(copyChunkSize, Qt::Uninitialized);
            qint64 copied = 0;
            for (;;) {
                if (step && !step(copied))
                    return false;
                errno = 0;
                const qint64 read = source.read(chunk.data(), chunk.size());
                if (read < 0) {
                    why = FailureCause::fromErrno(source.errorString());
                    return false;
                }
                if (read == 0)
                    return true;
                if (out.write(chunk.constData(), read) != read)
                    return false;
                copied += read;
            }
        },
        cause);
}

bool copyReplacing(const QString& sourcePath, const QString& destination, FailureCause* cause, const CopyStep& step)
{
    QFile source(sourcePath);
    errno = 0;
    if (!source.open(QIODevice::ReadOnly)) {
        if (cause)
            *cause = fileFailure(sourcePath, errno, source.errorString());
        return false;
    }
    return copyReplacing(source, destination, cause, step);
}

AttachOutcome attachFile(const QString& programDir, const QString& sourcePath,
    const std::function<bool()>& replaceExisting, const CopyStep& step, FailureCause* cause)
{
    errno = 0;
    if (!QDir().mkpath(programfolder::attachmentsFolderPath(programDir))) {
        if (cause)
            *cause = FailureCause::fromErrno();
        return AttachOutcome::Failed;
    }
    const QString destination = attachedFilePath(programDir, QFileInfo(sourcePath).fileName());
    if (destination.isEmpty())
        return AttachOutcome::Failed;
    const QFileInfo existing(destination);
    // A link is a file of that name too, even one that leads nowhere.
    if (existing.exists() || existing.isSymLink()) {
        if (!replaceExisting())
            return AttachOutcome::KeptExisting;
        // Copying the file onto itself would only put it at risk. A link to the
        // chosen file is not the file: it is replaced by a copy.
        if (!existing.isSymLink() && isSameFile(sourcePath, destination))
            return AttachOutcome::KeptExisting;
    }
    bool stopped = false;
    const CopyStep following = [&](qint64 copied) {
        stopped = step && !step(copied);
        return !stopped;
    };
    if (copyReplacing(sourcePath, destination, cause, following))
        return AttachOutcome::Copied;
    return stopped ? AttachOutcome::Cancelled : AttachOutcome::Failed;
}

} // namespace lumidex::attachments
