#pragma once

#include "backup/BackupSettings.h"

#include <QDate>
#include <QString>

namespace lumidex::backup {

// Whether leaving the program should remind the user of a backup: by the
// chosen frequency since the last one (any time, when there never was one),
// never for a folder without a card or a book entry to lose.
bool isBackupDue(const Settings& settings, const QDate& today, bool folderHasCards);

// Whether the registry or any book of `programDir` holds a whole card or entry
// (by the files' lengths: nothing is opened).
bool folderHasCards(const QString& programDir);

} // namespace lumidex::backup
