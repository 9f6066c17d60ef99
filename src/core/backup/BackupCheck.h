#pragma once

#include "backup/BackupItems.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// Reading a backup back whole: every entry checked against the list of hashes
// it carries, every name and kind of entry against what a backup holds.
namespace lumidex::backup {

// What a backup holds, for the user to see before a restore.
struct Contents {
    int cards = 0;
    int books = 0;
    int bookEntries = 0;
    int photos = 0;
    int attachedFiles = 0;
    // When it was made: the time of its list of hashes.
    QDateTime made;
    // Every file's bytes together.
    qint64 bytes = 0;
};

// A file of a checked backup.
struct CheckedFile {
    QString path;
    qint64 size = 0;
    QByteArray sha256;
    QDateTime modified;
};

struct Check {
    enum class Result {
        Sound,
        // The file cannot be opened or read, or is no ZIP.
        Unreadable,
        // An entry's data disagree with its CRC or its hash, or a file is missing
        // from the list of hashes or the list names one that is not there.
        Damaged,
        // An entry a backup never holds: a name outside the items, a path that
        // leads out of the folder, a link, a device, a name twice.
        Foreign,
        Cancelled,
    };
    Result result = Result::Unreadable;
    // The first entry found wrong, and what was wrong with it.
    QString entry;
    QString reason;
    Contents contents;
    QList<CheckedFile> files;
    QStringList folders;
    // The top-level items the backup holds (see BackupItems.h).
    QList<Item> items;
    // The file as it was when checked, to tell if it changed before it is unpacked.
    qint64 fileSize = 0;
    QDateTime fileModified;
};

// Told of the bytes checked so far (of Contents::bytes, once known, else of the
// ZIP's size); false stops the check.
using CheckStep = std::function<bool(qint64 done, qint64 total)>;

// Reads the backup `zipPath` whole and checks it. When `fromDisk`, what the
// system keeps of the file in memory is let go first, so the bytes are read from
// the drive itself (a backup just written is checked as it lies there).
Check checkBackup(const QString& zipPath, const CheckStep& step = {}, bool fromDisk = false);

// The entry `path` of kind folder is one a backup may hold.
bool isBackupFolder(const QString& path);

} // namespace lumidex::backup
