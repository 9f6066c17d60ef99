#pragma once

#include "backup/BackupCheck.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace lumidex::backup {

struct RestoreOutcome {
    enum class Result {
        Done,
        Cancelled,
        // Another program (of this computer or another) keeps an archive.
        ArchiveBusy,
        // The other folder chosen is not empty.
        FolderNotEmpty,
        // Unpacking or putting in place failed; everything is as it was.
        Failed,
    };
    Result result = Result::Failed;
    // What failed, and the system's reason.
    QString failedPath;
    QString reason;
    // Done over the program folder: where the data it held before went.
    QString asideFolder;
};

// Told of the bytes unpacked so far, of the backup's bytes; false stops.
using RestoreStep = std::function<bool(qint64 done, qint64 total)>;

// The folder where a restore made at `when` moves the data it replaces.
QString asideFolderName(const QDateTime& when);

// Restores the backup `zipPath`, found sound by `checked`, over `programDir`:
// unpacks it beside the data, then, holding every archive of the folder, moves
// the data of the kinds a backup holds into "Prima_del_ripristino_<date>_<time>"
// in the folder (packages, galleries and exports only where the backup has its
// own, the password store only for the backup's) and puts the backup's in their
// place. The folder's backup settings stay its own. A failure or a stop leaves
// the folder as it was; nothing is ever written outside it.
RestoreOutcome restoreOver(const QString& programDir, const QString& zipPath, const Check& checked,
    const QDateTime& now, const RestoreStep& step = {});

// Unpacks the backup into `folder`, which must be empty (it is made when
// missing); nothing else is touched. A failure or a stop leaves it empty.
RestoreOutcome restoreInto(
    const QString& folder, const QString& zipPath, const Check& checked, const RestoreStep& step = {});

} // namespace lumidex::backup
