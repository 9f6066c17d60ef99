#include "storage/ArchiveFile.h"

#include "storage/ArchiveError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex {

namespace {

// An archive is held for milliseconds at a time: a short steady poll gets in
// soon and takes turns fairly with another instance appending in a loop.
constexpr unsigned long lockPollMs = 5;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ArchiveFile::ArchiveFile(const QString& filePath, int recordSize, Access access, int lockTimeoutMs)
    : m_filePath(filePath)
    , m_recordSize(recordSize)
{
    const QByteArray name = QFile::encodeName(filePath);
    if (access == Access::Read) {
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
        lock(access, lockTimeoutMs);
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
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

ArchiveFile::~ArchiveFile()
{
    // Closing the file releases its lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

void ArchiveFile::lock(Access access, int timeoutMs)
{
    struct flock region;
    std::memset(&region, 0, sizeof region);
    region.l_type = access == Access::Write ? F_WRLCK : F_RDLCK;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0; // the whole file, however long it grows
    if (::fcntl(m_fd, F_OFD_SETLK, &region) == 0)
        return;
    // Held by another program: wait for it, up to the timeout.
    QDeadlineTimer deadline(timeoutMs);
    do {
        if ((errno != EAGAIN && errno != EACCES && errno != EINTR) || deadline.hasExpired())
            fail(QStringLiteral("Cannot lock"));
        QThread::msleep(lockPollMs);
    } while (::fcntl(m_fd, F_OFD_SETLK, &region) != 0);
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
    const qint64 wanted = records * m_recordSize;
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(m_fd, into + got, size_t(wanted - got), off_t(index * m_recordSize + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QStringLiteral("Cannot read"));
        if (n == 0)
            throw ArchiveError(QStringLiteral("Short read in %1: %2 of %3 bytes").arg(m_filePath).arg(got).arg(wanted));
        got += n;
    }
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

void ArchiveFile::close()
{
    const int fd = m_fd;
    m_fd = -1;
    // A network file system may report a failed write only here.
    if (::close(fd) != 0)
        throw ArchiveError(QStringLiteral("Cannot close %1: %2").arg(m_filePath, systemReason(errno)));
}

void ArchiveFile::fail(const QString& what) const
{
    const int error = errno;
    throw ArchiveError(QStringLiteral("%1 %2: %3").arg(what, m_filePath, systemReason(error)));
}

} // namespace lumidex
