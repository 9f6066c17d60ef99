#include "storage/Archive.h"

#include "storage/ArchiveError.h"
#include "storage/ArchiveFile.h"

#include <QThread>
#include <QVarLengthArray>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

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

int Archive::defaultLockTimeout()
{
    return defaultLockTimeoutMs;
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
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Card, m_lockTimeoutMs);
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
    ArchiveFile file(m_filePath, m_layout.size(), ArchiveFile::Access::Card, m_lockTimeoutMs);
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
    visitInParts(1, [&visit](int, int position, const RecordView& record) { return visit(position, record); });
}

void Archive::visitInParts(
    int parts, const std::function<bool(int part, int position, const RecordView& record)>& visit) const
{
    const int recordSize = m_layout.size();
    ArchiveFile file(m_filePath, recordSize, ArchiveFile::Access::Scan, m_lockTimeoutMs);
    const qint64 records = file.count();
    const int runs = int(qMin<qint64>(qMax(1, parts), qMax<qint64>(1, records / recordsPerRun)));
    // Each run reads its records with calls of its own at its own offsets: the
    // open file is only read, and each run's records stay in its processor's
    // caches from the read to the visit.
    const auto visitRun = [&](int run) {
        const qint64 first = records * run / runs;
        const qint64 end = records * (run + 1) / runs;
        QByteArray buffer;
        bool going = true;
        for (qint64 done = first; going && done < end;) {
            const qint64 chunk = qMin(recordsPerChunk, end - done);
            file.readRecords(done, chunk, buffer);
            for (qint64 i = 0; going && i < chunk; ++i) {
                const RecordView record(m_layout, QByteArrayView(buffer.constData() + i * recordSize, recordSize));
                going = visit(run, int(done + i + 1), record);
            }
            done += chunk;
        }
    };
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(runs));
    const auto visitRunKeepingFailure = [&](int run) {
        try {
            visitRun(run);
        } catch (...) {
            failures[std::size_t(run)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> threads;
        threads.reserve(std::size_t(runs - 1));
        // A run that gets no thread (the system has none to give) is visited
        // here after the first.
        std::vector<int> here { 0 };
        for (int run = 1; run < runs; ++run) {
            try {
                threads.emplace_back(visitRunKeepingFailure, run);
            } catch (const std::system_error&) {
                here.push_back(run);
            }
        }
        for (const int run : here)
            visitRunKeepingFailure(run);
    }
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    file.close();
}

void Archive::readAsItLies(const std::function<bool(QByteArrayView bytes, qint64 fileSize)>& take) const
{
    const int recordSize = m_layout.size();
    ArchiveFile file(m_filePath, recordSize, ArchiveFile::Access::Scan, m_lockTimeoutMs);
    const qint64 size = file.size();
    const qint64 records = file.count();
    bool going = take({}, size);
    QByteArray buffer;
    for (qint64 done = 0; going && done < records;) {
        const qint64 chunk = qMin(recordsPerChunk * 16, records - done);
        file.readRecords(done, chunk, buffer);
        going = take(buffer, size);
        done += chunk;
    }
    if (going && size > records * recordSize) {
        buffer.resize(size - records * recordSize);
        file.readPartialRecord(buffer.data());
        take(buffer, size);
    }
    file.close();
}

int Archive::partsForThisComputer()
{
    return qMax(1, QThread::idealThreadCount());
}

void Archive::forEach(const std::function<bool(int position, const QStringList& values)>& visit) const
{
    this->visit([&visit](int position, const RecordView& record) { return visit(position, record.texts()); });
}

} // namespace lumidex
