#include "storage/Archive.h"

#include "storage/ArchiveError.h"
#include "storage/ArchiveFile.h"

#include <QVarLengthArray>

namespace lumidex {

namespace {

// Records read per system call when streaming the whole archive: the buffer is
// reused, so a scan's memory does not grow with the archive.
constexpr qint64 recordsPerChunk = 64;

[[noreturn]] void throwOutOfRange(const QString& filePath, int position, qint64 count)
{
    throw ArchiveError(QStringLiteral("Record %1 is outside the archive %2, which holds %3 records")
                           .arg(position)
                           .arg(filePath)
                           .arg(count));
}

int defaultLockTimeoutMs = Archive::lockTimeoutMs;

// One record read on its own lies on the stack: a move allocates nothing for it.
using OneRecord = QVarLengthArray<char, 4096>;

} // namespace

void Archive::setDefaultLockTimeout(int milliseconds)
{
    defaultLockTimeoutMs = milliseconds;
}

Archive::Archive(QString filePath, const RecordLayout& layout)
    : m_filePath(std::move(filePath))
    , m_layout(layout)
    , m_lockTimeoutMs(defaultLockTimeoutMs)
{ }

int Archive::count() const
{
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Count, m_lockTimeoutMs);
    const qint64 records = file.count();
    file.close();
    return int(records);
}

QStringList Archive::read(int position) const
{
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Read, m_lockTimeoutMs);
    const qint64 records = file.count();
    if (position < 1 || position > records)
        throwOutOfRange(m_filePath, position, records);
    OneRecord record(m_layout.size());
    file.readRecords(position - 1, 1, record.data());
    file.close();
    return m_layout.decode(QByteArrayView(record.constData(), record.size()));
}

Archive::CountAndCard Archive::readChosen(const std::function<int(int count)>& choose) const
{
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Read, m_lockTimeoutMs);
    CountAndCard chosen;
    chosen.count = int(file.count());
    Card& card = chosen.card;
    card.position = choose(chosen.count);
    if (card.position != 0) {
        if (card.position < 1 || card.position > chosen.count)
            throwOutOfRange(m_filePath, card.position, chosen.count);
        OneRecord record(m_layout.size());
        file.readRecords(card.position - 1, 1, record.data());
        card.values = m_layout.decode(QByteArrayView(record.constData(), record.size()));
    }
    file.close();
    return chosen;
}

void Archive::write(int position, const QStringList& values) const
{
    const QByteArray record = m_layout.encode(values);
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Write, m_lockTimeoutMs);
    const qint64 records = file.count();
    if (position < 1 || position > records)
        throwOutOfRange(m_filePath, position, records);
    file.overwriteRecord(position - 1, record);
    file.close();
}

int Archive::append(const QStringList& values) const
{
    const QByteArray record = m_layout.encode(values);
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Write, m_lockTimeoutMs);
    const qint64 records = file.count();
    file.appendRecord(record);
    file.close();
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

void Archive::visit(const std::function<bool(int position, const RecordView& record)>& visit) const
{
    const int recordSize = m_layout.size();
    ArchiveFile file(m_filePath, recordSize, ArchiveFile::Access::Read, m_lockTimeoutMs);
    const qint64 records = file.count();
    QByteArray buffer;
    qint64 done = 0;
    bool going = true;
    while (going && done < records) {
        const qint64 chunk = qMin(recordsPerChunk, records - done);
        file.readRecords(done, chunk, buffer);
        for (qint64 i = 0; going && i < chunk; ++i) {
            const RecordView record(m_layout, QByteArrayView(buffer.constData() + i * recordSize, recordSize));
            going = visit(int(done + i + 1), record);
        }
        done += chunk;
    }
    file.close();
}

void Archive::forEach(const std::function<bool(int position, const QStringList& values)>& visit) const
{
    this->visit([&visit](int position, const RecordView& record) { return visit(position, record.texts()); });
}

} // namespace lumidex
