#include "backup/MakeBackup.h"

#include "backup/BackupFiles.h"
#include "backup/BackupItems.h"
#include "backup/ChecksumList.h"
#include "backup/Sha256.h"
#include "backup/ZipWriter.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/FolderSync.h"
#include "storage/Layouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex::backup {

namespace {

// A file up to this size is read whole before it goes into the backup, so that
// it can be read again if it changed meanwhile; a larger one goes in as it is
// read, and is named if it changed.
constexpr qint64 readWholeUpTo = qint64(64) << 20;
constexpr qint64 readPiece = qint64(1) << 20;

QString backupReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What tells that a file changed: a write changes its length or its times.
struct Stamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
};

Stamp stampOf(const struct stat& info)
{
    return { qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
        qint64(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec };
}

QDateTime modifiedOf(const struct stat& info)
{
    return QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
}

class BackupRun {
public:
    BackupRun(const QString& programDir, const Settings& settings, const QDateTime& now, const BackupStep& step,
        const AfterFileRead& afterFileRead)
        : m_programDir(programDir)
        , m_dir(programDir)
        , m_settings(settings)
        , m_now(now)
        , m_step(step)
        , m_afterFileRead(afterFileRead)
    { }

    BackupOutcome makeAll();

private:
    bool fail(BackupOutcome::Failure failure, const QString& path, const QString& reason)
    {
        if (m_outcome.failure == BackupOutcome::Failure::None) {
            m_outcome.failure = failure;
            m_outcome.failedPath = path;
            m_outcome.reason = reason;
        }
        return false;
    }
    bool writeFailed(const QString& path)
    {
        return fail(BackupOutcome::Failure::CannotWrite, path, m_zip->errorString());
    }
    bool advance(qint64 bytes)
    {
        m_copied += bytes;
        if (m_step && !m_step(BackupStage::Copying, m_copied, m_total)) {
            m_cancelled = true;
            return false;
        }
        return true;
    }
    bool targetReady();
    bool createUnfinished();
    bool writeEntries(const Listing& listing);
    bool writeArchive(const ListedFile& file);
    bool writeFile(const ListedFile& file);
    bool writeWholeRead(const ListedFile& file, int fd, const QByteArray& bytes, const struct stat& info);
    bool streamFile(const ListedFile& file, int fd, const struct stat& info);
    bool writeEntry(const QString& path, QByteArrayView bytes, const QDateTime& modified, bool store);
    bool writeChecksumList();
    bool finishFile();
    bool checkWritten();
    bool putInPlace();
    void removeUnfinished();
    void afterwards();

    QString m_programDir;
    QDir m_dir;
    Settings m_settings;
    QDateTime m_now;
    const BackupStep& m_step;
    const AfterFileRead& m_afterFileRead;
    BackupOutcome m_outcome;

    QString m_finalPath;
    QString m_unfinishedPath;
    int m_fd = -1;
    std::unique_ptr<ZipWriter> m_zip;
    QList<checksumlist::Line> m_lines;
    QHash<QString, int> m_cards;
    QStringList m_photos;
    qint64 m_total = 0;
    qint64 m_copied = 0;
    bool m_cancelled = false;
};

bool BackupRun::targetReady()
{
    const QString target = m_settings.targetFolder;
    const QFileInfo folder(target);
    if (target.isEmpty() || !folder.isDir())
        return fail(BackupOutcome::Failure::NoTarget, target, {});
    const QString canonicalTarget = folder.canonicalFilePath() + QLatin1Char('/');
    const QString canonicalProgram = QFileInfo(m_programDir).canonicalFilePath() + QLatin1Char('/');
    if (canonicalTarget.startsWith(canonicalProgram))
        return fail(BackupOutcome::Failure::TargetInsideProgramFolder, target, {});
    return true;
}

bool BackupRun::createUnfinished()
{
    const QDir target(m_settings.targetFolder);
    // Two backups in the same second take the next free second's name.
    for (QDateTime made = m_now;; made = made.addSecs(1)) {
        const QString name = backupfiles::nameFor(made);
        m_finalPath = target.filePath(name);
        m_unfinishedPath = target.filePath(backupfiles::unfinishedName(name));
        if (QFileInfo::exists(m_finalPath) || QFileInfo(m_finalPath).isSymLink())
            continue;
        // Never through a link, never over another program's file.
        m_fd = ::open(QFile::encodeName(m_unfinishedPath).constData(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (m_fd >= 0)
            return true;
        if (errno != EEXIST)
            return fail(BackupOutcome::Failure::CannotCreate, m_unfinishedPath, backupReason(errno));
    }
}

bool BackupRun::writeEntry(const QString& path, QByteArrayView bytes, const QDateTime& modified, bool store)
{
    if (!m_zip->beginFile(
            path, bytes.size(), modified, store ? ZipWriter::Packing::Store : ZipWriter::Packing::Deflate))
        return writeFailed(path);
    for (qsizetype at = 0; at < bytes.size(); at += readPiece) {
        const QByteArrayView piece = bytes.sliced(at, qMin<qsizetype>(readPiece, bytes.size() - at));
        if (!m_zip->addData(piece))
            return writeFailed(path);
        if (!advance(piece.size()))
            return false;
    }
    if (!m_zip->endFile())
        return writeFailed(path);
    m_lines.append({ path, Sha256::of(bytes) });
    return true;
}

bool BackupRun::writeArchive(const ListedFile& file)
{
    // The archive is taken whole under its shared hold, as a search reads it, and
    // compressed after the hold is let go: another computer's save waits only for
    // the read, and the backup holds only whole cards.
    QByteArray bytes;
    try {
        const Archive archive(
            m_dir.filePath(file.path), file.recordSize == layouts::registry.size() ? layouts::registry : layouts::book);
        archive.readAsItLies([&bytes](QByteArrayView part, qint64 size) {
            if (part.isEmpty())
                bytes.reserve(size);
            bytes.append(part);
            return true;
        });
    } catch (const ArchiveError& error) {
        return fail(BackupOutcome::Failure::CannotReadArchive, file.path, error.reason());
    }
    m_outcome.findings += checkArchive(m_programDir, file.path, file.recordSize, bytes);
    m_cards.insert(file.path, int(bytes.size() / file.recordSize));
    // The archive's length when listed is counted already; it may have grown.
    m_total += bytes.size() - QFileInfo(m_dir.filePath(file.path)).size();
    struct stat info;
    const QDateTime modified
        = ::stat(QFile::encodeName(m_dir.filePath(file.path)).constData(), &info) == 0 ? modifiedOf(info) : m_now;
    return writeEntry(file.path, bytes, modified, false);
}

bool BackupRun::writeFile(const ListedFile& file)
{
    const QString path = m_dir.filePath(file.path);
    for (int reading = 1;; ++reading) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        // Gone since it was listed (a photo of a card just replaced): nothing to keep.
        if (fd < 0 && errno == ENOENT)
            return true;
        if (fd < 0)
            return fail(BackupOutcome::Failure::CannotReadFile, file.path, backupReason(errno));
        struct stat before;
        if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
            ::close(fd);
            m_outcome.leftOut << file.path;
            return true;
        }
        if (before.st_size > readWholeUpTo) {
            const bool streamed = streamFile(file, fd, before);
            ::close(fd);
            return streamed;
        }
        QByteArray bytes(qsizetype(before.st_size), Qt::Uninitialized);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int error = errno;
                ::close(fd);
                return fail(BackupOutcome::Failure::CannotReadFile, file.path, backupReason(error));
            }
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        if (m_afterFileRead)
            m_afterFileRead(path);
        struct stat after;
        const bool steady = ::fstat(fd, &after) == 0 && stampOf(after) == stampOf(before) && got == before.st_size;
        ::close(fd);
        if (steady || reading == 2) {
            if (!steady)
                m_outcome.changedWhileCopied << file.path;
            // The listed size is counted already.
            m_total += bytes.size() - before.st_size;
            return writeEntry(file.path, bytes, modifiedOf(after), isStoredAsItIs(file.path));
        }
    }
}

bool BackupRun::streamFile(const ListedFile& file, int fd, const struct stat& info)
{
    // The length is told before the data: a file that changes meanwhile goes in
    // at the length it had, as much of it as could be read, and is named.
    const qint64 size = info.st_size;
    if (!m_zip->beginFile(file.path, size, modifiedOf(info),
            isStoredAsItIs(file.path) ? ZipWriter::Packing::Store : ZipWriter::Packing::Deflate))
        return writeFailed(file.path);
    Sha256 hash;
    QByteArray piece(readPiece, Qt::Uninitialized);
    qint64 done = 0;
    bool shortened = false;
    while (done < size) {
        const qint64 wanted = qMin(readPiece, size - done);
        ssize_t n = ::read(fd, piece.data(), size_t(wanted));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(BackupOutcome::Failure::CannotReadFile, file.path, backupReason(errno));
        if (n == 0) {
            // Shorter than it was: the rest is written as zero bytes.
            shortened = true;
            std::memset(piece.data(), 0, size_t(wanted));
            n = ssize_t(wanted);
        }
        const QByteArrayView part(piece.constData(), qsizetype(n));
        hash.add(part);
        if (!m_zip->addData(part))
            return writeFailed(file.path);
        done += n;
        if (!advance(n))
            return false;
    }
    if (!m_zip->endFile())
        return writeFailed(file.path);
    m_lines.append({ file.path, hash.result() });
    if (m_afterFileRead)
        m_afterFileRead(m_dir.filePath(file.path));
    struct stat after;
    if (shortened || ::fstat(fd, &after) != 0 || !(stampOf(after) == stampOf(info)))
        m_outcome.changedWhileCopied << file.path;
    return true;
}

bool BackupRun::writeEntries(const Listing& listing)
{
    for (const QString& folder : listing.folders) {
        struct stat info;
        const QDateTime modified
            = ::stat(QFile::encodeName(m_dir.filePath(folder)).constData(), &info) == 0 ? modifiedOf(info) : m_now;
        if (!m_zip->addFolder(folder, modified))
            return writeFailed(folder);
    }
    for (const ListedFile& file : listing.files) {
        const bool written = file.kind == ItemKind::Archive ? writeArchive(file) : writeFile(file);
        if (!written)
            return false;
        if (file.path.contains(QLatin1Char('/')))
            m_photos << file.path;
    }
    return writeChecksumList();
}

bool BackupRun::writeChecksumList()
{
    const QByteArray list = checksumlist::format(m_lines);
    const QString name = QString::fromLatin1(checksumListName);
    // The list's own time is the backup's: a restore shows it as the backup's date.
    if (!m_zip->beginFile(name, list.size(), m_now, ZipWriter::Packing::Deflate) || !m_zip->addData(list)
        || !m_zip->endFile())
        return writeFailed(name);
    return true;
}

bool BackupRun::finishFile()
{
    if (!m_zip->finish())
        return writeFailed(m_unfinishedPath);
    m_zip.reset();
    // On the drive before it is read back and named: a drive that takes the
    // bytes but cannot keep them says so here.
    if (::fsync(m_fd) != 0)
        return fail(BackupOutcome::Failure::CannotWrite, m_unfinishedPath, backupReason(errno));
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(BackupOutcome::Failure::CannotWrite, m_unfinishedPath, backupReason(errno));
    return true;
}

bool BackupRun::checkWritten()
{
    const qint64 listed = m_copied;
    const Check check = checkBackup(
        m_unfinishedPath,
        [this, listed](qint64 done, qint64) {
            if (m_step && !m_step(BackupStage::Checking, qMin(done, listed), listed)) {
                m_cancelled = true;
                return false;
            }
            return true;
        },
        true);
    if (check.result == Check::Result::Cancelled)
        return false;
    if (check.result != Check::Result::Sound)
        return fail(BackupOutcome::Failure::CheckFailed, check.entry, check.reason);
    // The backup holds what was written, every file once, each with its hash.
    QHash<QString, QByteArray> written;
    for (const checksumlist::Line& line : std::as_const(m_lines))
        written.insert(line.path, line.sha256);
    if (check.files.size() != written.size())
        return fail(BackupOutcome::Failure::CheckFailed, {}, QStringLiteral("files missing from the backup"));
    for (const CheckedFile& file : check.files)
        if (written.value(file.path) != file.sha256)
            return fail(BackupOutcome::Failure::CheckFailed, file.path, QStringLiteral("its hash disagrees"));
    m_outcome.contents = check.contents;
    return true;
}

bool BackupRun::putInPlace()
{
    const QByteArray from = QFile::encodeName(m_unfinishedPath);
    const QByteArray to = QFile::encodeName(m_finalPath);
    // Never over a file of that name made meanwhile (another computer's backup).
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        const int error = errno;
        if (error != EINVAL && error != ENOSYS)
            return fail(BackupOutcome::Failure::CannotName, m_finalPath, backupReason(error));
        // A file system that cannot refuse to replace: a link cannot replace either.
        if (::link(from.constData(), to.constData()) != 0)
            return fail(BackupOutcome::Failure::CannotName, m_finalPath, backupReason(errno));
        ::unlink(from.constData());
    }
    syncFolderOf(m_finalPath);
    m_outcome.zipPath = m_finalPath;
    return true;
}

void BackupRun::removeUnfinished()
{
    m_zip.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_unfinishedPath.isEmpty())
        ::unlink(QFile::encodeName(m_unfinishedPath).constData());
}

void BackupRun::afterwards()
{
    m_outcome.findings += checkPhotos(m_photos, m_cards);
    // Only now that the new backup is known good do the oldest go.
    m_outcome.removed = backupfiles::removeOldest(m_settings.targetFolder, m_settings.keep, &m_outcome.notRemoved);
    Settings noted = readSettings(m_programDir).value_or(m_settings);
    noted.lastBackup = m_now;
    noted.lastBackupFile = m_finalPath;
    QString why;
    if (!writeSettings(m_programDir, noted, &why))
        m_outcome.settingsNotSaved = why.isEmpty() ? QStringLiteral("Lumidex.ini") : why;
}

BackupOutcome BackupRun::makeAll()
{
    if (!targetReady())
        return m_outcome;
    const Listing listing = listFolder(m_programDir, m_settings.includeOutputs);
    m_outcome.leftOut = listing.leftOut;
    for (const ListedFile& file : listing.files)
        m_total += QFileInfo(m_dir.filePath(file.path)).size();
    if (!createUnfinished())
        return m_outcome;
    m_zip = std::make_unique<ZipWriter>(m_fd);
    const bool done = writeEntries(listing) && finishFile() && checkWritten() && putInPlace();
    if (!done) {
        removeUnfinished();
        m_outcome.result = m_cancelled ? BackupOutcome::Result::Cancelled : BackupOutcome::Result::Failed;
        if (m_cancelled)
            m_outcome.failure = BackupOutcome::Failure::None;
        return m_outcome;
    }
    m_outcome.result = BackupOutcome::Result::Done;
    afterwards();
    return m_outcome;
}

} // namespace

bool isStoredAsItIs(const QString& fileName)
{
    static const QSet<QString> compressed { QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("tif"), QStringLiteral("tiff"),
        QStringLiteral("pdf"), QStringLiteral("zip"), QStringLiteral("docx"), QStringLiteral("xlsx"),
        QStringLiteral("odt"), QStringLiteral("ods"), QStringLiteral("mp4"), QStringLiteral("mov") };
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && compressed.contains(fileName.mid(dot + 1).toLower());
}

BackupOutcome makeBackup(const QString& programDir, const Settings& settings, const QDateTime& now,
    const BackupStep& step, const AfterFileRead& afterFileRead)
{
    BackupRun backingUp(programDir, settings, now, step, afterFileRead);
    return backingUp.makeAll();
}

} // namespace lumidex::backup
