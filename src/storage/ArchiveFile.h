#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumidex {

// One open-use-close cycle on an archive file, under an operating-system record
// lock on the file itself: shared while reading, exclusive while writing. The
// lock lives on the open file and dies with it, or with the process, so there is
// no lock file to leave behind, no extra right needed in the folder, and no clock
// to trust between two computers sharing the folder.
//
// An absent archive is created empty. An archive the user may only read is
// opened for reading, so it can still be browsed. Every failure throws
// ArchiveError; the file is closed on destruction, also after a failure.
class ArchiveFile {
public:
    enum class Access { Read, Write };

    ArchiveFile(const QString& filePath, int recordSize, Access access, int lockTimeoutMs);
    ~ArchiveFile();

    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Whole records in the file; a partial last record does not count.
    qint64 count() const;
    // Reads `records` whole records from record `index` on into `buffer`.
    void readRecords(qint64 index, qint64 records, QByteArray& buffer) const;
    // The same into memory with room for them.
    void readRecords(qint64 index, qint64 records, char* into) const;
    void writeRecord(qint64 index, QByteArrayView record);
    // Closes the file, reporting a failure the system only tells at the end.
    void close();

private:
    [[noreturn]] void fail(const QString& what) const;
    void lock(Access access, int timeoutMs);

    QString m_filePath;
    int m_recordSize;
    int m_fd = -1;
    // The file's size while the lock is held: only this cycle can change it.
    qint64 m_size = 0;
};

} // namespace lumidex
