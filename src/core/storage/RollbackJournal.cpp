#include "storage/RollbackJournal.h"

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

// "Lumidex rollback", version 1: a file of another program or version is never
// taken for a card to put back.
constexpr char magic[8] = { 'L', 'M', 'X', 'R', 'B', 'K', '0', '1' };
constexpr qsizetype headerSize = sizeof magic + 8 + 4;
constexpr auto checksumKind = QCryptographicHash::Sha256;

qsizetype checksumSize()
{
    return QCryptographicHash::hashLength(checksumKind);
}

bool writeAll(int fd, const QByteArray& bytes)
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

// The folder's entry of a new file reaches the disk only with the folder's own
// sync; a network share may not sync folders, and then there is nothing more to do.
void syncFolderOf(const QByteArray& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

QString pathFor(const QString& archivePath)
{
    return archivePath + QStringLiteral(".rollback");
}

bool write(const QString& journalPath, qint64 index, QByteArrayView oldRecord)
{
    QByteArray bytes;
    bytes.reserve(headerSize + oldRecord.size() + checksumSize());
    bytes.append(magic, sizeof magic);
    char number[8];
    qToLittleEndian<qint64>(index, number);
    bytes.append(number, 8);
    qToLittleEndian<qint32>(qint32(oldRecord.size()), number);
    bytes.append(number, 4);
    bytes.append(oldRecord.data(), oldRecord.size());
    bytes.append(QCryptographicHash::hash(bytes, checksumKind));

    const QByteArray name = QFile::encodeName(journalPath);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(name.constData());
        return false;
    }
    syncFolderOf(name);
    return true;
}

Found read(const QString& journalPath, int recordSize)
{
    Found found;
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    found.state = Found::State::Incomplete;
    const qsizetype expected = headerSize + recordSize + checksumSize();
    const QByteArray bytes = file.read(expected + 1);
    if (bytes.size() != expected || !bytes.startsWith(QByteArrayView(magic, sizeof magic)))
        return found;
    const QByteArrayView body(bytes.constData(), expected - checksumSize());
    if (QCryptographicHash::hash(body, checksumKind) != bytes.right(checksumSize()))
        return found;
    if (qFromLittleEndian<qint32>(bytes.constData() + sizeof magic + 8) != recordSize)
        return found;
    found.index = qFromLittleEndian<qint64>(bytes.constData() + sizeof magic);
    if (found.index < 0)
        return found;
    found.state = Found::State::Complete;
    found.record = bytes.mid(headerSize, recordSize);
    return found;
}

bool remove(const QString& journalPath)
{
    return ::unlink(QFile::encodeName(journalPath).constData()) == 0 || errno == ENOENT;
}

} // namespace lumidex::rollbackjournal
