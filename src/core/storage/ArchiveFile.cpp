#include "storage/ArchiveFile.h"

#include "storage/ArchiveError.h"
#include "storage/FolderSync.h"
#include "storage/LockNotice.h"
#include "storage/RecordLocks.h"
#include "storage/RollbackJournal.h"

#include <QFile>
#include <QVarLengthArray>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ArchiveFile::ArchiveFile(const QString& filePath, int recordSize, Access access, int lockTimeoutMs)
    : m_filePath(filePath)
    , m_recordSize(recordSize)
{
    // A restore puts new archives in the place of the old ones while it holds
    // them: a cycle that waited for the old file meanwhile works on the one that
    // now has the name, never on the old one moved aside. Only a cycle that
    // waited looks (a look at the name costs as much as a move's read). A file
    // replaced again and again is worked on as it is at the last try.
    constexpr int triesOnReplacedFile = 8;
    for (int tries = 1;; ++tries) {
        openAndLock(access, lockTimeoutMs);
        if (tries == triesOnReplacedFile || !m_locked || !m_waited || !replacedWhileWaiting())
            break;
        ::close(m_fd);
        m_fd = -1;
    }
    try {
        examine();
        putBackInterruptedSave(access, lockTimeoutMs);
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

void ArchiveFile::openAndLock(Access access, int timeoutMs)
{
    const QByteArray name = QFile::encodeName(m_filePath);
    if (access != Access::Write) {
        // Browsing needs no right to write: an archive the user may only read is
        // read all the same, and only a Save reports that it cannot be written.
        m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        // An absent archive is created empty by every operation, a read included.
        if (m_fd < 0 && errno == ENOENT)
            m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } else {
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    }
    if (m_fd < 0)
        fail(QStringLiteral("Cannot open"));
    try {
        lock(access, timeoutMs);
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

bool ArchiveFile::replacedWhileWaiting() const
{
    struct stat held;
    struct stat named;
    if (::fstat(m_fd, &held) != 0)
        return false;
    if (::stat(QFile::encodeName(m_filePath).constData(), &named) != 0)
        return errno == ENOENT;
    return held.st_dev != named.st_dev || held.st_ino != named.st_ino;
}

ArchiveFile::~ArchiveFile()
{
    // Closing the file releases its lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

void ArchiveFile::lock(Access access, int timeoutMs)
{
    using namespace recordlocks;
    const Kind kind = access == Access::Write ? Kind::Exclusive
        : access == Access::Scan              ? Kind::Shared
                                              : Kind::SharedBriefly;
    switch (acquire(m_fd, kind, timeoutMs, &m_waited)) {
    case Outcome::Locked:
        m_locked = true;
        return;
    case Outcome::Unsupported:
        m_locked = false;
        emit LockNotice::instance().archiveUsedWithoutLock(m_filePath);
        return;
    case Outcome::TimedOut:
        m_lockedElsewhere = true;
        break;
    case Outcome::Failed:
        break;
    }
    fail(QStringLiteral("Cannot lock"));
}

void ArchiveFile::examine()
{
    // Examined once the lock is held, so the size is the one this cycle works
    // on: nobody else can append until the file is closed.
    struct stat info;
    if (::fstat(m_fd, &info) != 0)
        fail(QStringLiteral("Cannot examine"));
    if (!S_ISREG(info.st_mode)) {
        errno = EISDIR;
        fail(QStringLiteral("Not an archive file:"));
    }
    m_size = qint64(info.st_size);
}

void ArchiveFile::putBackInterruptedSave(Access access, int timeoutMs)
{
    if (access == Access::Count)
        return;
    const QString journal = rollbackjournal::pathFor(m_filePath);
    // lstat, not access: a link at the rollback file's name is seen (and removed
    // below), whether or not it leads anywhere.
    struct stat info;
    if (::lstat(QFile::encodeName(journal).constData(), &info) != 0)
        return;
    if (access == Access::Write) {
        restoreFrom(journal, Repair::OnDisk);
        return;
    }
    // While a save runs it holds the archive and its rollback file is there; a
    // reader that holds the archive yet finds one knows that save was cut short.
    // Without locks it cannot know, and leaves the repair to the next save.
    if (!m_locked)
        return;
    // Putting the card back on the disk needs the right to write; a user who may
    // only read sees the card as it was put back, in memory.
    const int writable = ::open(QFile::encodeName(m_filePath).constData(), O_RDWR | O_CLOEXEC);
    if (writable < 0) {
        restoreFrom(journal, Repair::InMemory);
        return;
    }
    ::close(m_fd);
    m_fd = writable;
    lock(Access::Write, timeoutMs);
    examine();
    restoreFrom(journal, Repair::OnDiskForReading);
    if (m_locked && !recordlocks::downgrade(m_fd))
        fail(QStringLiteral("Cannot lock"));
}

void ArchiveFile::restoreFrom(const QString& journalPath, Repair repair)
{
    using rollbackjournal::Found;
    const Found found = rollbackjournal::read(journalPath, m_recordSize);
    if (found.state == Found::State::Absent)
        return;
    if (found.state == Found::State::Complete && found.index < count()) {
        QVarLengthArray<char, 4096> card(m_recordSize);
        readRecords(found.index, 1, card.data());
        const QByteArrayView shown(card.constData(), card.size());
        // A rollback file that belongs to another write (a copy of the folder put
        // back over the archive, say) must not touch the card that is there.
        if (rollbackjournal::belongsTo(found, shown, m_size) && shown != QByteArrayView(found.oldRecord)) {
            if (repair == Repair::InMemory) {
                m_repairedIndex = found.index;
                m_repairedRecord = found.oldRecord;
                return;
            }
            writeRecord(found.index, found.oldRecord);
            sync();
        }
    }
    if (repair == Repair::InMemory)
        return;
    // A reader has its card put back all the same where the folder does not let
    // the file go; a save must not go on over a rollback file that could later
    // be taken for its own.
    if (!rollbackjournal::remove(journalPath) && repair == Repair::OnDisk && found.state == Found::State::Complete)
        fail(QStringLiteral("Cannot remove the rollback file of"));
}

qint64 ArchiveFile::count() const
{
    return m_size / m_recordSize;
}

void ArchiveFile::readRecords(qint64 index, qint64 records, QByteArray& buffer) const
{
    buffer.resize(records * m_recordSize);
    readRecords(index, records, buffer.data());
}

void ArchiveFile::readRecords(qint64 index, qint64 records, char* into) const
{
    readFromFile(index, records, into);
    if (m_repairedIndex >= index && m_repairedIndex < index + records)
        std::memcpy(
            into + (m_repairedIndex - index) * m_recordSize, m_repairedRecord.constData(), size_t(m_recordSize));
}

void ArchiveFile::readPartialRecord(char* into) const
{
    const qint64 start = count() * m_recordSize;
    readBytes(start, m_size - start, into);
}

void ArchiveFile::readFromFile(qint64 index, qint64 records, char* into) const
{
    readBytes(index * m_recordSize, records * m_recordSize, into);
}

void ArchiveFile::readBytes(qint64 start, qint64 wanted, char* into) const
{
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(m_fd, into + got, size_t(wanted - got), off_t(start + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QStringLiteral("Cannot read"));
        if (n == 0)
            throw ArchiveError(QStringLiteral("Short read in %1: %2 of %3 bytes").arg(m_filePath).arg(got).arg(wanted),
                FailureCause::fromSystem(EIO));
        got += n;
    }
}

void ArchiveFile::appendRecord(QByteArrayView record)
{
    const bool firstCard = m_size == 0;
    // A partial record left at the end was never readable; the new one takes its place.
    writeRecord(count(), record);
    // The card is on the disk before anyone is told it was saved.
    sync();
    if (firstCard)
        syncFolderOf(m_filePath);
}

void ArchiveFile::overwriteRecord(qint64 index, QByteArrayView record)
{
    const QString journal = rollbackjournal::pathFor(m_filePath);
    QVarLengthArray<char, 4096> old(m_recordSize);
    readFromFile(index, 1, old.data());
    // Where no rollback file can be written (a folder the user cannot write to),
    // the card is overwritten all the same, as it always was.
    const bool journalled
        = rollbackjournal::write(journal, { index, m_size, QByteArrayView(old.constData(), old.size()), record });
    writeRecord(index, record);
    // The new card must be on the disk before the old one is let go, and before
    // anyone is told it was saved.
    sync();
    if (journalled && !rollbackjournal::remove(journal))
        fail(QStringLiteral("Cannot remove the rollback file of"));
}

void ArchiveFile::writeRecord(qint64 index, QByteArrayView record)
{
    qint64 done = 0;
    while (done < record.size()) {
        const ssize_t n
            = ::pwrite(m_fd, record.data() + done, size_t(record.size() - done), off_t(index * m_recordSize + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(QStringLiteral("Cannot write"));
        done += n;
    }
    m_size = qMax(m_size, index * m_recordSize + record.size());
}

void ArchiveFile::sync()
{
    if (::fdatasync(m_fd) != 0)
        fail(QStringLiteral("Cannot sync"));
}

void ArchiveFile::close()
{
    const int fd = m_fd;
    m_fd = -1;
    // A network file system may report a failed write only here.
    if (::close(fd) != 0) {
        const int error = errno;
        throw ArchiveError(QStringLiteral("Cannot close %1: %2").arg(m_filePath, systemReason(error)),
            FailureCause::fromSystem(error));
    }
}

void ArchiveFile::fail(const QString& what) const
{
    const int error = errno;
    throw ArchiveError(QStringLiteral("%1 %2: %3").arg(what, m_filePath, systemReason(error)),
        m_lockedElsewhere ? FailureCause::lockedElsewhere() : FailureCause::fromSystem(error));
}

} // namespace lumidex
