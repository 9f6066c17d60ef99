#pragma once

#include <QString>

class QWidget;

namespace lumidex {

// Opens the backup window of `programDir`, owned by `owner`; it is gone when
// this returns.
void showBackupWindow(QWidget* owner, const QString& programDir);

// On the way out of the program: when a backup of `programDir` is due, asks
// whether to make one now and, on Yes, makes it (in the window, when no folder
// for the backups is chosen or it cannot be reached). No skips it this time.
void offerBackupOnLeaving(QWidget* owner, const QString& programDir);

} // namespace lumidex
