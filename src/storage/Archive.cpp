#include "storage/Archive.h"

#include "storage/ArchiveError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QThread>

namespace lumidex {

namespace {

// A lock left by a program that died is taken over at once when its process is
// known to be gone; one left by another computer on a shared folder only after
// this long. No single operation holds the lock nearly as long.
constexpr int staleLockMs = 30000;

constexpr unsigned long lockPollMs = 10;

// Records read per system call when streaming the whole archive.
constexpr qint64 recordsPerChunk = 256;

// One open-use-close cycle: the lock is taken and the file opened on
// construction; both are released on destruction, also when an operation throws.
class Session {
public:
    Session(const QString& filePath, int recordSize)
        : m_lock(filePath + QStringLiteral(".lock"))
        , m_file(filePath)
        , m_recordSize(recordSize)
    {
        lock();
        // ReadWrite creates an absent archive as an empty file.
        if (!m_file.open(QIODevice::ReadWrite))
            fail(QStringLiteral("Cannot open"));
    }

    ~Session()
    {
        if (m_file.isOpen())
            m_file.close();
        m_lock.unlock();
    }

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    qint64 count() const { return m_file.size() / m_recordSize; }

    void seekRecord(qint64 index)
    {
        if (!m_file.seek(index * m_recordSize))
            fail(QStringLiteral("Cannot seek to record %1 of").arg(index + 1));
    }

    // Reads `records` whole records at the current place into `buffer`.
    void readRecords(QByteArray& buffer, qint64 records)
    {
        const qint64 wanted = records * m_recordSize;
        buffer.resize(wanted);
        const qint64 got = m_file.read(buffer.data(), wanted);
        if (got < 0)
            fail(QStringLiteral("Cannot read"));
        if (got != wanted)
            throw ArchiveError(
                QStringLiteral("Short read in %1: %2 of %3 bytes").arg(m_file.fileName()).arg(got).arg(wanted));
    }

    void writeRecord(const QByteArray& record)
    {
        if (m_file.write(record) != record.size())
            fail(QStringLiteral("Cannot write"));
    }

    // Makes sure everything written reached the system before the lock goes.
    void close()
    {
        if (!m_file.flush())
            fail(QStringLiteral("Cannot flush"));
        m_file.unsetError();
        m_file.close();
        if (m_file.error() != QFileDevice::NoError)
            throw ArchiveError(QStringLiteral("Cannot close %1: %2").arg(m_file.fileName(), m_file.errorString()));
    }

private:
    // QLockFile's own wait doubles its pause after every miss, up to seconds; an
    // archive is held for milliseconds at a time, so a short steady poll gets in
    // sooner and takes turns fairly with another instance appending in a loop.
    void lock()
    {
        m_lock.setStaleLockTime(staleLockMs);
        QDeadlineTimer deadline(Archive::lockTimeoutMs);
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
                throw ArchiveError(lockFailure());
            QThread::msleep(lockPollMs);
        }
    }

    [[noreturn]] void fail(const QString& what) const
    {
        throw ArchiveError(QStringLiteral("%1 %2: %3").arg(what, m_file.fileName(), m_file.errorString()));
    }

    QString lockFailure() const
    {
        const QString lockPath = m_lock.fileName();
        switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            return QStringLiteral("Cannot lock %1: the archive is in use by another program").arg(lockPath);
        case QLockFile::PermissionError:
            return QStringLiteral("Cannot create the lock file %1: permission denied").arg(lockPath);
        default:
            return QStringLiteral("Cannot create the lock file %1").arg(lockPath);
        }
    }

    QLockFile m_lock;
    QFile m_file;
    int m_recordSize;
};

[[noreturn]] void throwOutOfRange(const QString& filePath, int position, qint64 count)
{
    throw ArchiveError(QStringLiteral("Record %1 is outside the archive %2, which holds %3 records")
                           .arg(position)
                           .arg(filePath)
                           .arg(count));
}

} // namespace

Archive::Archive(QString filePath, const RecordLayout& layout)
    : m_filePath(std::move(filePath))
    , m_layout(layout)
{ }

int Archive::count() const
{
    Session session(m_filePath, m_layout.size());
    const qint64 records = session.count();
    session.close();
    return int(records);
}

QStringList Archive::read(int position) const
{
    Session session(m_filePath, m_layout.size());
    const qint64 records = session.count();
    if (position < 1 || position > records)
        throwOutOfRange(m_filePath, position, records);
    session.seekRecord(position - 1);
    QByteArray buffer;
    session.readRecords(buffer, 1);
    session.close();
    return m_layout.decode(buffer);
}

void Archive::write(int position, const QStringList& values) const
{
    const QByteArray record = m_layout.encode(values);
    Session session(m_filePath, m_layout.size());
    const qint64 records = session.count();
    if (position < 1 || position > records)
        throwOutOfRange(m_filePath, position, records);
    session.seekRecord(position - 1);
    session.writeRecord(record);
    session.close();
}

int Archive::append(const QStringList& values) const
{
    const QByteArray record = m_layout.encode(values);
    Session session(m_filePath, m_layout.size());
    const qint64 records = session.count();
    // A partial record left at the end was never readable; the new one takes its place.
    session.seekRecord(records);
    session.writeRecord(record);
    session.close();
    return int(records + 1);
}

QList<QStringList> Archive::readAll() const
{
    QList<QStringList> all;
    forEach([&all](int, const QStringList& values) {
        all.append(values);
        return true;
    });
    return all;
}

void Archive::forEach(const std::function<bool(int position, const QStringList& values)>& visit) const
{
    const int recordSize = m_layout.size();
    Session session(m_filePath, recordSize);
    const qint64 records = session.count();
    session.seekRecord(0);
    QByteArray buffer;
    qint64 done = 0;
    bool going = true;
    while (going && done < records) {
        const qint64 chunk = qMin(recordsPerChunk, records - done);
        session.readRecords(buffer, chunk);
        for (qint64 i = 0; going && i < chunk; ++i) {
            const QByteArrayView record(buffer.constData() + i * recordSize, recordSize);
            going = visit(int(done + i + 1), m_layout.decode(record));
        }
        done += chunk;
    }
    session.close();
}

} // namespace lumidex
