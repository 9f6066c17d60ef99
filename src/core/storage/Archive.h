#pragma once

#include "storage/Card.h"
#include "storage/RecordLayout.h"
#include "storage/RecordView.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumidex {

// One archive file of fixed-size records. There is no cache and no open handle
// between calls: every operation opens the file, does its work and closes it,
// so the folder can be copied at any moment as a backup.
//
// An absent file is created empty by the first operation. Every operation holds
// an operating-system lock on the archive file for its whole cycle (shared to
// read, exclusive to write), so that two instances working on a shared folder,
// on one computer or two, never overwrite each other's appends; a save waiting
// for its turn keeps new readers out until it is done. A lock that cannot be had
// within the lock timeout is a failure like any other; a file system that cannot
// lock at all is used without (LockNotice says so). An overwrite goes through a
// rollback file, so a save cut short leaves the card wholly old or wholly new.
// All failures throw ArchiveError. Positions are 1-based.
class Archive {
public:
    static constexpr int lockTimeoutMs = 5000;
    // The fewest records worth a run of their own in visitInParts: starting a
    // thread costs about as much as visiting a thousand records.
    static constexpr int recordsPerRun = 8192;
    // The wait of archives made from now on (tests shorten it).
    static void setDefaultLockTimeout(int milliseconds);
    static int defaultLockTimeout();

    Archive(QString filePath, const RecordLayout& layout);

    const QString& filePath() const { return m_filePath; }
    const RecordLayout& layout() const { return m_layout; }
    // How long an operation waits for another program to release the archive.
    void setLockTimeout(int milliseconds) { m_lockTimeoutMs = milliseconds; }

    // File size divided by the record size; a partial last record is not counted.
    int count() const;
    // Reading past the last record is a failure.
    QStringList read(int position) const;
    // Overwrites the record at `position` (1 .. count()).
    void write(int position, const QStringList& values) const;
    // Appends and returns the new record's position (former count + 1).
    int append(const QStringList& values) const;

    // A move to another card in one cycle: `choose` gets the number of records and
    // returns the position to read, or 0 to read nothing (the card then has
    // position 0 and no values).
    struct CountAndCard {
        int count = 0;
        Card card;
    };
    CountAndCard readChosen(const std::function<int(int count)>& choose) const;

    // Every record in file order, in one open-use-close cycle.
    QList<QStringList> readAll() const;

    // Streams every record in file order, in one cycle; return false from the
    // visit to stop. The visit sees each record as it lies in the file and
    // decodes only the fields it asks for. The archive stays locked throughout:
    // never run another archive operation, nor show a message, from inside a
    // visit (a nested operation on the same archive would wait on itself).
    void visit(const std::function<bool(int position, const RecordView& record)>& visit) const;
    // The same split into up to `parts` runs of consecutive records, visited at
    // once, each on a thread of its own (the first on the calling thread), in
    // one cycle: `visit` gets the run a record is in, and the records of run k
    // all come before those of run k + 1. Returning false stops that run only.
    // The calls for different runs overlap, so the visit must keep the state of
    // each run apart. A small archive is one run. A failure of any run throws
    // (the first run's failure first) once every run has ended.
    void visitInParts(
        int parts, const std::function<bool(int part, int position, const RecordView& record)>& visit) const;
    // The runs worth making on this computer: one per processor.
    static int partsForThisComputer();
    // The whole file as it lies, in one cycle under the same hold as a visit:
    // `take` gets the file's length first (with no bytes), then its bytes in
    // order, whole records and, last, a partial record left by an append cut
    // short. A card a save cut short is handed as it was put back. Return false
    // from `take` to stop. The same rule as inside a visit holds inside `take`.
    void readAsItLies(const std::function<bool(QByteArrayView bytes, qint64 fileSize)>& take) const;
    // The same, with every field decoded. The same rule holds inside `visit`.
    void forEach(const std::function<bool(int position, const QStringList& values)>& visit) const;

private:
    QString m_filePath;
    const RecordLayout& m_layout;
    int m_lockTimeoutMs;
};

} // namespace lumidex
