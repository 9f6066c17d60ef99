#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The backups of a target folder: "Lumidex_<yyyy-mm-dd>_<HHmmss>.zip", named
// after the moment they were made, so that their names sort as their dates do.
namespace lumidex::backup::backupfiles {

QString nameFor(const QDateTime& made);
bool isBackupName(const QString& fileName);
// When a backup of that name was made; invalid for any other name.
QDateTime madeAt(const QString& fileName);
// The name a backup has while it is written and checked, beside where it goes.
QString unfinishedName(const QString& finalName);

// The backups in `folder`, oldest first (file names only).
QStringList backupsIn(const QString& folder);

// Removes the oldest backups of `folder` beyond the newest `keep` (0 keeps all).
// Returns the names it removed; those it could not remove go in `notRemoved`.
QStringList removeOldest(const QString& folder, int keep, QStringList* notRemoved = nullptr);

} // namespace lumidex::backup::backupfiles
