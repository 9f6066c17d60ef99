#include "backup/Unpacker.h"

#include "backup/BackupItems.h"
#include "backup/Sha256.h"
#include "backup/ZipReader.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lumidex::backup {

namespace {

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A folder's handle, closed when it goes.
class FolderHandle {
public:
    explicit FolderHandle(int fd = -1)
        : m_fd(fd)
    { }
    ~FolderHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    FolderHandle(FolderHandle&& other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    { }
    FolderHandle& operator=(FolderHandle&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The folder `parts` below `root`, made where missing, each step opened without
// following a link: whatever lies in the folder, nothing is reached outside it.
FolderHandle folderBelow(int root, const QStringList& parts, int& error)
{
    FolderHandle at(::dup(root));
    for (const QString& part : parts) {
        const QByteArray name = QFile::encodeName(part);
        if (::mkdirat(at.fd(), name.constData(), 0777) != 0 && errno != EEXIST) {
            error = errno;
            return FolderHandle();
        }
        FolderHandle next(::openat(at.fd(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.fd() < 0) {
            error = errno;
            return FolderHandle();
        }
        at = std::move(next);
    }
    return at;
}

bool writeUnpacked(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

Unpacker::Unpacker(const QString& zipPath, const Check& checked)
    : m_zipPath(zipPath)
    , m_checked(checked)
{ }

bool Unpacker::fail(const QString& path, const QString& reason)
{
    if (m_failedPath.isEmpty() && m_reason.isEmpty()) {
        m_failedPath = path;
        m_reason = reason;
    }
    return false;
}

bool Unpacker::unpackInto(const QString& folder, const std::function<bool(qint64 done, qint64 total)>& step)
{
    QHash<QString, QByteArray> hashes;
    for (const CheckedFile& file : m_checked.files)
        hashes.insert(file.path, file.sha256);
    const FolderHandle root(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (root.fd() < 0)
        return fail(folder, reasonOf(errno));
    const int zipFd = ::open(QFile::encodeName(m_zipPath).constData(), O_RDONLY | O_CLOEXEC);
    if (zipFd < 0)
        return fail(m_zipPath, reasonOf(errno));
    const FolderHandle zipHandle(zipFd);
    ::posix_fadvise(zipFd, 0, 0, POSIX_FADV_SEQUENTIAL);
    ZipReader zip(zipFd);
    const qint64 total = m_checked.contents.bytes;
    qint64 done = 0;
    QSet<QString> seen;
    const QString changed = QStringLiteral("the backup changed after it was checked");
    for (;;) {
        ZipReader::Entry entry;
        const ZipReader::Next next = zip.next(entry);
        if (next == ZipReader::Next::End)
            break;
        if (next == ZipReader::Next::Failed)
            return fail(m_zipPath, zip.errorString());
        if (seen.contains(entry.path) || entry.badName || entry.linked)
            return fail(entry.path, changed);
        seen.insert(entry.path);
        if (entry.type == ZipReader::Type::Folder) {
            if (!isBackupFolder(entry.path))
                return fail(entry.path, changed);
            int error = 0;
            if (folderBelow(root.fd(), entry.path.split(QLatin1Char('/')), error).fd() < 0)
                return fail(entry.path, reasonOf(error));
            continue;
        }
        if (entry.path == QString::fromLatin1(checksumListName))
            continue;
        const auto expected = hashes.constFind(entry.path);
        if (entry.type != ZipReader::Type::File || expected == hashes.constEnd() || !itemOf(entry.path))
            return fail(entry.path, changed);

        QStringList parts = entry.path.split(QLatin1Char('/'));
        const QByteArray name = QFile::encodeName(parts.takeLast());
        int error = 0;
        const FolderHandle parent = folderBelow(root.fd(), parts, error);
        if (parent.fd() < 0)
            return fail(entry.path, reasonOf(error));
        const int fd
            = ::openat(parent.fd(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return fail(entry.path, reasonOf(errno));
        Sha256 hash;
        bool written = true;
        const bool read = zip.readData([&](QByteArrayView bytes) {
            hash.add(bytes);
            if (!writeUnpacked(fd, bytes)) {
                error = errno;
                written = false;
                return false;
            }
            done += bytes.size();
            if (step && !step(done, total)) {
                m_stopped = true;
                return false;
            }
            return true;
        });
        // The file keeps the time it had when it was backed up.
        const struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(entry.modified.toSecsSinceEpoch()), 0 } };
        ::futimens(fd, times);
        const bool closed = ::close(fd) == 0;
        if (!closed && written) {
            error = errno;
            written = false;
        }
        if (m_stopped)
            return false;
        if (!written)
            return fail(entry.path, reasonOf(error));
        if (!read)
            return fail(entry.path, zip.errorString());
        if (hash.result() != *expected)
            return fail(entry.path, changed);
    }
    if (seen.size() != m_checked.files.size() + m_checked.folders.size() + 1)
        return fail(m_zipPath, changed);
    // Every file on the disk in one call, before anything is put in place.
    if (::syncfs(root.fd()) != 0)
        return fail(folder, reasonOf(errno));
    return true;
}

} // namespace lumidex::backup
