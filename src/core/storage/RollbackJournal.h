#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumidex::rollbackjournal {

// The rollback file of a card's overwrite: a small file beside the archive that
// holds the card as it was before the save began, with its record number and a
// checksum. It is written and synced before the card is overwritten and removed
// once the new card is on the disk, so a save cut short (the process killed, the
// power gone) leaves the card wholly old or wholly new: the next operation on the
// archive that finds a complete rollback file puts the old card back first.
QString pathFor(const QString& archivePath);

// Writes the rollback file of record `index` holding `oldRecord`, synced to the
// disk with its folder entry. False when it cannot be written whole (a folder the
// user cannot write to, a full disk): nothing is left behind then, and the save
// goes on without it.
bool write(const QString& journalPath, qint64 index, QByteArrayView oldRecord);

struct Found {
    enum class State { Absent, Incomplete, Complete } state = State::Absent;
    qint64 index = -1;
    QByteArray record;
};
// Reads the rollback file, if any. A file cut short, of another record size or
// whose checksum does not match is Incomplete: the save it belonged to never began
// to overwrite the card.
Found read(const QString& journalPath, int recordSize);

// Removes the rollback file; true when it is gone (or never was there).
bool remove(const QString& journalPath);

} // namespace lumidex::rollbackjournal
