#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumidex {

// One open-use-close cycle on an archive file, under an operating-system record
// lock on the file itself: shared while reading, exclusive while writing (see
// RecordLocks.h). Where the file system cannot lock at all, the cycle goes on
// without the lock and LockNotice says so.
//
// Before anything else, a cycle puts back the card of a save that was cut short
// (see RollbackJournal.h), and an overwrite of a card goes through a rollback
// file of its own, so a card is always wholly old or wholly new.
//
// An absent archive is created empty. An archive the user may only read is
// opened for reading, so it can still be browsed. Every failure throws
// ArchiveError; the file is closed on destruction, also after a failure.
class ArchiveFile {
public:
    // Scan reads many records and holds the archive for as long as that takes;
    // Card reads one, and Count only the size, both in microseconds (see
    // recordlocks::Kind). A save cut short never changes the size (only the
    // overwrite of a card goes through a rollback file), so Count leaves its
    // repair to the next cycle that reads or writes cards.
    enum class Access { Scan, Card, Count, Write };

    ArchiveFile(const QString& filePath, int recordSize, Access access, int lockTimeoutMs);
    ~ArchiveFile();

    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Whole records in the file; a partial last record does not count.
    qint64 count() const;
    // The file's length in bytes, a partial last record included.
    qint64 size() const { return m_size; }
    // Reads `records` whole records from record `index` on into `buffer`.
    void readRecords(qint64 index, qint64 records, QByteArray& buffer) const;
    // The same into memory with room for them.
    void readRecords(qint64 index, qint64 records, char* into) const;
    // The bytes after the last whole record (those of an append cut short), as
    // they lie: size() - count() * record size of them.
    void readPartialRecord(char* into) const;
    // Writes a record at the end (or over a partial last record), on the disk
    // when it returns.
    void appendRecord(QByteArrayView record);
    // Overwrites an existing record, through a rollback file where one can be
    // written beside the archive, on the disk when it returns.
    void overwriteRecord(qint64 index, QByteArrayView record);
    // Closes the file, reporting a failure the system only tells at the end.
    void close();

private:
    [[noreturn]] void fail(const QString& what) const;
    void openAndLock(Access access, int timeoutMs);
    bool replacedWhileWaiting() const;
    void lock(Access access, int timeoutMs);
    void examine();
    // Puts back the card of a save cut short, if its rollback file is there.
    void putBackInterruptedSave(Access access, int timeoutMs);
    // Where the card of a save cut short is put back: on the disk, for a save
    // (which fails if the rollback file cannot then go) or for a reader (which
    // reads on all the same); in memory, for a reader without the right to write.
    enum class Repair { OnDisk, OnDiskForReading, InMemory };
    void restoreFrom(const QString& journalPath, Repair repair);
    void readFromFile(qint64 index, qint64 records, char* into) const;
    // `wanted` bytes from byte `start` on, all of them or a failure.
    void readBytes(qint64 start, qint64 wanted, char* into) const;
    void writeRecord(qint64 index, QByteArrayView record);
    void sync();

    QString m_filePath;
    int m_recordSize;
    int m_fd = -1;
    // False where the file system cannot lock: the cycle runs without.
    bool m_locked = false;
    // Another program kept the archive past the wait.
    bool m_lockedElsewhere = false;
    // Another program had the archive when this cycle asked for it.
    bool m_waited = false;
    // The file's size while the lock is held: only this cycle can change it.
    qint64 m_size = 0;
    // A card put back in memory only, read in place of what the file holds.
    qint64 m_repairedIndex = -1;
    QByteArray m_repairedRecord;
};

} // namespace lumidex
