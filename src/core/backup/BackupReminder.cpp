#include "backup/BackupReminder.h"

#include "backup/BackupItems.h"

#include <QDir>
#include <QFileInfo>

namespace lumidex::backup {

bool isBackupDue(const Settings& settings, const QDate& today, bool folderHasCards)
{
    if (!folderHasCards || settings.reminder == Reminder::Never)
        return false;
    if (!settings.lastBackup.isValid())
        return true;
    const QDate last = settings.lastBackup.date();
    switch (settings.reminder) {
    case Reminder::Daily:
        return last.addDays(1) <= today;
    case Reminder::Weekly:
        return last.addDays(7) <= today;
    case Reminder::Monthly:
        return last.addMonths(1) <= today;
    case Reminder::Never:
        break;
    }
    return false;
}

bool folderHasCards(const QString& programDir)
{
    const QDir dir(programDir);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
        const int recordSize = recordSizeOf(entry.fileName());
        if (recordSize > 0 && entry.size() >= recordSize)
            return true;
    }
    return false;
}

} // namespace lumidex::backup
