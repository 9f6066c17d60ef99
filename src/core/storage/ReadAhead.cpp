#include "storage/ReadAhead.h"

#include "storage/ArchiveFile.h"

namespace lumidex {

ReadAhead::ReadAhead(const ArchiveFile& file, qint64 records, qint64 recordsPerChunk)
    : m_file(file)
    , m_records(records)
    , m_perChunk(recordsPerChunk)
    , m_chunks((records + recordsPerChunk - 1) / recordsPerChunk)
{
    // One chunk is read where it is needed: a thread would only wait.
    if (m_chunks > 1)
        m_reader = std::thread([this] { readAll(); });
}

ReadAhead::~ReadAhead()
{
    if (!m_reader.joinable())
        return;
    {
        const std::lock_guard<std::mutex> hold(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_reader.join();
}

qint64 ReadAhead::recordsOf(qint64 chunk) const
{
    return qMin(m_perChunk, m_records - chunk * m_perChunk);
}

void ReadAhead::readAll()
{
    for (qint64 chunk = 0; chunk < m_chunks; ++chunk) {
        {
            // Its buffer is free once the scan has taken the chunk after the one
            // that used it last.
            std::unique_lock<std::mutex> hold(m_mutex);
            m_changed.wait(hold, [&] { return m_stop || chunk < 2 || m_taken >= chunk; });
            if (m_stop)
                return;
        }
        std::exception_ptr error;
        try {
            m_file.readRecords(chunk * m_perChunk, recordsOf(chunk), bufferOf(chunk));
        } catch (...) {
            error = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> hold(m_mutex);
            if (error)
                m_error = error;
            else
                m_read = chunk + 1;
        }
        m_changed.notify_all();
        if (error)
            return;
    }
}

QByteArrayView ReadAhead::next(qint64& first)
{
    const qint64 chunk = m_taken;
    if (chunk >= m_chunks)
        return {};
    first = chunk * m_perChunk;
    if (!m_reader.joinable()) {
        m_file.readRecords(first, recordsOf(chunk), bufferOf(chunk));
        m_taken = chunk + 1;
        return bufferOf(chunk);
    }
    {
        std::unique_lock<std::mutex> hold(m_mutex);
        m_changed.wait(hold, [&] { return m_read > chunk || m_error; });
        if (m_read <= chunk)
            std::rethrow_exception(m_error);
        m_taken = chunk + 1;
    }
    m_changed.notify_all();
    return bufferOf(chunk);
}

} // namespace lumidex
