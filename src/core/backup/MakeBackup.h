#pragma once

#include "backup/BackupCheck.h"
#include "backup/BackupSettings.h"
#include "backup/FolderIntegrity.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumidex::backup {

struct BackupOutcome {
    enum class Result { Done, Cancelled, Failed };
    Result result = Result::Failed;

    // What failed: the step and, where the system said, its reason.
    enum class Failure {
        None,
        NoTarget, // no target folder chosen, or it is not there (a drive taken away)
        TargetInsideProgramFolder, // a backup must not live in what it backs up
        CannotCreate, // the backup file cannot be made in the target folder
        CannotReadArchive, // an archive cannot be read (or another program keeps it)
        CannotReadFile, // a photo, an attached file, ... cannot be read
        CannotWrite, // the target refused a write or its sync: a full disk, a drive gone
        CheckFailed, // the backup read back does not agree with what was written
        CannotName, // the finished backup cannot take its name
    };
    Failure failure = Failure::None;
    QString failedPath;
    QString reason;

    // Done: the backup file, what it holds, and what the user should hear of.
    QString zipPath;
    Contents contents;
    QList<Finding> findings;
    // Files that changed while they were copied, even when read again: in the
    // backup as they were read the last time.
    QStringList changedWhileCopied;
    // Links and other special files a backup never holds.
    QStringList leftOut;
    // Older backups removed to keep the chosen number, and those that could not be.
    QStringList removed;
    QStringList notRemoved;
    // The date of the backup could not be noted in the settings (why).
    QString settingsNotSaved;
};

enum class BackupStage { Copying, Checking };
// Told how far the backup is, in bytes of the stage; false stops it at once.
using BackupStep = std::function<bool(BackupStage stage, qint64 done, qint64 total)>;
// Called each time a file other than an archive has been read, before the
// backup looks whether it changed meanwhile.
using AfterFileRead = std::function<void(const QString& path)>;

// Backs up `programDir` into settings.targetFolder as
// "Lumidex_<yyyy-mm-dd>_<HHmmss>.zip" named after `now`: written under a
// temporary name, read back whole and checked, then named; then the oldest
// backups beyond settings.keep are removed and the date noted in the folder's
// settings. A failure or a stop leaves no file behind, and the older backups
// as they were.
BackupOutcome makeBackup(const QString& programDir, const Settings& settings, const QDateTime& now,
    const BackupStep& step = {}, const AfterFileRead& afterFileRead = {});

// Whether a file of this name is kept in a backup as it is (already compressed:
// pictures, PDF, office documents, films) rather than deflated.
bool isStoredAsItIs(const QString& fileName);

} // namespace lumidex::backup
