#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace lumidex {

class ArchiveFile;

// The records of an open archive file, chunk after chunk, the next chunk read on
// a thread of its own while the scan works on the current one: the system copies
// one while the scan reads the other, and a scan of a large archive costs about
// the longer of the two instead of both. Two chunks are held at most, so a
// scan's memory does not grow with the archive.
class ReadAhead {
public:
    ReadAhead(const ArchiveFile& file, qint64 records, qint64 recordsPerChunk);
    // Waits for the read under way, if any.
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The next chunk's records, one after the other, valid until the next call,
    // and in `first` the index of its first record; empty once every record was
    // handed out. Throws what reading that chunk threw (the chunks before it
    // were handed out whole).
    QByteArrayView next(qint64& first);

private:
    void readAll();
    qint64 recordsOf(qint64 chunk) const;
    QByteArray& bufferOf(qint64 chunk) { return m_buffers[std::size_t(chunk % 2)]; }

    const ArchiveFile& m_file;
    const qint64 m_records;
    const qint64 m_perChunk;
    const qint64 m_chunks;
    std::array<QByteArray, 2> m_buffers;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Chunks read whole, and chunks handed to the scan: taking chunk k gives
    // chunk k - 1's buffer back for chunk k + 1.
    qint64 m_read = 0;
    qint64 m_taken = 0;
    // What reading chunk m_read threw; nothing is read after it.
    std::exception_ptr m_error;
    bool m_stop = false;
    std::thread m_reader;
};

} // namespace lumidex
