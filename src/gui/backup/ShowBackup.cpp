#include "gui/backup/ShowBackup.h"

#include "backup/BackupReminder.h"
#include "backup/BackupSettings.h"
#include "gui/backup/BackupWork.h"
#include "gui/backup/TfrmCopiaSicurezza.h"
#include "texts/BackupTexts.h"
#include "ui/Interaction.h"

#include <QDate>
#include <QFileInfo>

namespace lumidex {

void showBackupWindow(QWidget* owner, const QString& programDir)
{
    TfrmCopiaSicurezza window(programDir, owner);
    interaction().runDialog(window);
}

void offerBackupOnLeaving(QWidget* owner, const QString& programDir)
{
    const backup::Settings settings = backup::readSettings(programDir).value_or(backup::Settings());
    if (!backup::isBackupDue(settings, QDate::currentDate(), backup::folderHasCards(programDir)))
        return;
    const QString question = settings.lastBackup.isValid() ? backuptext::reminder(settings.lastBackup.date())
                                                           : backuptext::reminderNoBackupYet();
    if (interaction().message(owner, MessageKind::Confirmation, question, Buttons::YesNo) != Answer::Yes)
        return;
    // Without a folder to go to, the window lets the user choose one first.
    if (settings.targetFolder.isEmpty() || !QFileInfo(settings.targetFolder).isDir()) {
        showBackupWindow(owner, programDir);
        return;
    }
    runBackup(owner, programDir, settings);
}

} // namespace lumidex
