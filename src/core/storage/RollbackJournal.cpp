#include "storage/RollbackJournal.h"

#include "storage/FolderSync.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex::rollbackjournal {

namespace {

// "Lumidex rollback", version 2: a file of another program or version is never
// taken for a card to put back. (Version 1 named no new record, so it could not
// tell its own save's card from any other.)
constexpr char magic[8] = { 'L', 'M', 'X', 'R', 'B', 'K', '0', '2' };
// magic, index, record size, archive length
constexpr qsizetype headerSize = sizeof magic + 8 + 4 + 8;
constexpr auto checksumKind = QCryptographicHash::Sha256;
// A disk writes no less than a sector at a time: a card cut short by a power cut
// or a kill is old and new in pieces of at least this size, on these edges.
constexpr qint64 writeUnit = 512;

qsizetype checksumSize()
{
    return QCryptographicHash::hashLength(checksumKind);
}

[[nodiscard]] bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray encoded(const Overwrite& overwrite)
{
    QByteArray bytes;
    bytes.reserve(headerSize + overwrite.oldRecord.size() * 2 + checksumSize());
    bytes.append(magic, sizeof magic);
    char number[8];
    qToLittleEndian<qint64>(overwrite.index, number);
    bytes.append(number, 8);
    qToLittleEndian<qint32>(qint32(overwrite.oldRecord.size()), number);
    bytes.append(number, 4);
    qToLittleEndian<qint64>(overwrite.archiveSize, number);
    bytes.append(number, 8);
    bytes.append(overwrite.oldRecord.data(), overwrite.oldRecord.size());
    bytes.append(overwrite.newRecord.data(), overwrite.newRecord.size());
    bytes.append(QCryptographicHash::hash(bytes, checksumKind));
    return bytes;
}

// The rollback file is made under this name beside it, with O_EXCL, which never
// opens what already stands at a name, a link included. Only a save holding the
// archive makes one, so the name is never in use by another save; one left by a
// save killed while making it is removed and made again, so none piles up.
int createBeside(const QString& journalPath, QByteArray& name)
{
    name = QFile::encodeName(journalPath + QStringLiteral(".nuovo"));
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(name.constData(), flags, 0666);
    if (fd < 0 && errno == EEXIST && ::unlink(name.constData()) == 0)
        fd = ::open(name.constData(), flags, 0666);
    return fd;
}

} // namespace

QString pathFor(const QString& archivePath)
{
    return archivePath + QStringLiteral(".rollback");
}

bool write(const QString& journalPath, const Overwrite& overwrite)
{
    if (overwrite.oldRecord.size() != overwrite.newRecord.size())
        return false;
    const QByteArray bytes = encoded(overwrite);
    QByteArray written;
    const int fd = createBeside(journalPath, written);
    if (fd < 0)
        return false;
    const bool whole = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    // rename() puts the new file in the place of whatever entry has the name, a
    // link included, and never writes through it.
    if (!whole || !closed || ::rename(written.constData(), QFile::encodeName(journalPath).constData()) != 0) {
        ::unlink(written.constData());
        return false;
    }
    syncFolderOf(journalPath);
    return true;
}

Found read(const QString& journalPath, int recordSize)
{
    Found found;
    // O_NONBLOCK: a pipe standing at the name must not hold the archive's cycle.
    const int fd = ::open(QFile::encodeName(journalPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A symbolic link at the rollback file's name was never written by the
        // program: it goes, and nothing it leads to is read.
        if (errno == ELOOP)
            found.state = Found::State::Incomplete;
        return found;
    }
    QFile file;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        return found;
    }
    found.state = Found::State::Incomplete;
    const qsizetype expected = headerSize + 2 * qsizetype(recordSize) + checksumSize();
    const QByteArray bytes = file.read(expected + 1);
    if (bytes.size() != expected || !bytes.startsWith(QByteArrayView(magic, sizeof magic)))
        return found;
    const QByteArrayView body(bytes.constData(), expected - checksumSize());
    if (QCryptographicHash::hash(body, checksumKind) != bytes.right(checksumSize()))
        return found;
    if (qFromLittleEndian<qint32>(bytes.constData() + sizeof magic + 8) != recordSize)
        return found;
    found.index = qFromLittleEndian<qint64>(bytes.constData() + sizeof magic);
    found.archiveSize = qFromLittleEndian<qint64>(bytes.constData() + sizeof magic + 12);
    if (found.index < 0 || found.archiveSize < (found.index + 1) * recordSize)
        return found;
    found.state = Found::State::Complete;
    found.oldRecord = bytes.mid(headerSize, recordSize);
    found.newRecord = bytes.mid(headerSize + recordSize, recordSize);
    return found;
}

bool belongsTo(const Found& found, QByteArrayView card, qint64 archiveSize)
{
    if (found.state != Found::State::Complete || archiveSize != found.archiveSize
        || card.size() != found.oldRecord.size())
        return false;
    const qint64 start = found.index * card.size();
    for (qint64 at = 0; at < card.size();) {
        // Up to the next edge of a unit of the file, not of the record.
        const qint64 end = qMin<qint64>(card.size(), ((start + at) / writeUnit + 1) * writeUnit - start);
        const QByteArrayView piece = card.sliced(at, end - at);
        if (piece != QByteArrayView(found.oldRecord).sliced(at, end - at)
            && piece != QByteArrayView(found.newRecord).sliced(at, end - at))
            return false;
        at = end;
    }
    return true;
}

bool remove(const QString& journalPath)
{
    return ::unlink(QFile::encodeName(journalPath).constData()) == 0 || errno == ENOENT;
}

} // namespace lumidex::rollbackjournal
