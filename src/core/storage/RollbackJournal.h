#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumidex::rollbackjournal {

// The rollback file of a card's overwrite: a small file beside the archive that
// holds the card as it was before the save began and the card the save writes,
// with its record number and the archive's length, under a checksum. It is
// written and synced before the card is overwritten and removed once the new card
// is on the disk, so a save cut short (the process killed, the power gone) leaves
// the card wholly old or wholly new: the next operation on the archive that finds
// a complete rollback file puts the old card back first, provided the card there
// is the one that save was writing (see belongsTo).
QString pathFor(const QString& archivePath);

// What an overwrite is about to do.
struct Overwrite {
    qint64 index = -1;
    // The archive's length in bytes while the save holds it.
    qint64 archiveSize = 0;
    QByteArrayView oldRecord;
    QByteArrayView newRecord;
};

// Writes the rollback file of `overwrite`, synced to the disk with its folder
// entry. It is made under a new name of its own (never through whatever stands at
// the rollback file's name, a link included) and then renamed into place. False
// when it cannot be written whole (a folder the user cannot write to, a full
// disk): nothing is left behind then, and the save goes on without it.
[[nodiscard]] bool write(const QString& journalPath, const Overwrite& overwrite);

struct Found {
    // Absent: nothing to do, and nothing to remove (no file, or a folder or
    // another special file that the program never makes). Incomplete: a file that
    // cannot be trusted (cut short, damaged, of another program or record size, a
    // symbolic link): only to be removed.
    enum class State { Absent, Incomplete, Complete } state = State::Absent;
    qint64 index = -1;
    qint64 archiveSize = 0;
    QByteArray oldRecord;
    QByteArray newRecord;
};
// Reads the rollback file, if any, never following a link.
Found read(const QString& journalPath, int recordSize);

// Whether `card`, found at the found index of an archive `archiveSize` bytes
// long, is what the save of `found` left there: its old record, its new one, or
// a mix of the two, each piece of the disk's smallest unit of writing wholly one
// or the other. Anything else (a copy of the folder put back, another program's
// save since) is not that save's, and the card is left as it is.
bool belongsTo(const Found& found, QByteArrayView card, qint64 archiveSize);

// Removes the rollback file (a link at its name included, never what it leads
// to); true when it is gone (or never was there).
[[nodiscard]] bool remove(const QString& journalPath);

} // namespace lumidex::rollbackjournal
