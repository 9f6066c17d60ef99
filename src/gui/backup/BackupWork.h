#pragma once

#include "backup/BackupSettings.h"

#include <QString>

class QWidget;

namespace lumidex {

// The backup and the restores as the user sees them run: the progress with
// "Annulla" over `owner`, then the outcome in a message. Shared by the backup
// window and the reminder on leaving.

// Backs up `programDir` as `settings` say; true when a backup was made.
bool runBackup(QWidget* owner, const QString& programDir, const backup::Settings& settings);

// Where a restore goes: over the program folder (its data moved aside first),
// or into a new empty folder the user chooses.
enum class RestoreTarget { ProgramFolder, OtherFolder };

// Asks for a backup file, checks it whole, shows what it holds and asks, then
// restores it; true when it was restored.
bool runRestore(QWidget* owner, const QString& programDir, RestoreTarget target);

} // namespace lumidex
