#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lumidex {

// The backup window's texts, its messages and the reminder on leaving.
namespace backuptext {
// The start menu's picture that opens the window.
QString startMenuTip();
QString caption();
QString title();
QString explanation();
QString lastBackup(const QDateTime& when, const QString& file);
QString noBackupYet();
QString folderLabel();
QString folderHint();
QString noFolder();
QString chooseFolder();
QString chooseFolderTip();
QString chooseFolderTitle();
QString includeOutputs();
QString includeOutputsTip();
QString reminderLabel();
QString reminderNever();
QString reminderDaily();
QString reminderWeekly();
QString reminderMonthly();
QString keepLabel();
QString keepAll();
QString keepTip();
QString makeBackup();
QString restore();
QString restoreElsewhere();
QString restoreElsewhereTip();
QString close();

QString settingsNotSaved(const QString& reason);

// The reminder when leaving the program: the date of the last backup, or none.
QString reminder(const QDate& lastBackup);
QString reminderNoBackupYet();

QString copying();
QString checkingCopy();
// What a backup holds: cards, books, entries, photos, attached files.
QString contents(int cards, int books, int entries, int photos, int attachedFiles);
QString backupDone(const QString& file, const QString& contents);
QString findingsHeading();
QString noFindings();
QString partialRecord(const QString& archive, qint64 bytes);
QString missingAttachment(const QString& archive, int card, const QString& name);
QString photoPastLastCard(const QString& photo);
QString changedWhileCopied();
QString leftOut();
QString removedOld(int count);
QString notRemoved();
QString moreLines(int count);
QString backupCancelled();
QString backupFailed(const QString& what);
QString noTargetChosen();
QString targetMissing(const QString& folder);
QString targetInsideProgramFolder();
QString cannotCreate(const QString& reason);
QString cannotReadArchive(const QString& archive, const QString& reason);
QString cannotReadFile(const QString& file, const QString& reason);
QString cannotWrite(const QString& reason);
QString checkFailed(const QString& entry, const QString& reason);
QString cannotName(const QString& reason);

QString chooseBackupTitle();
QString backupFilter();
QString chooseEmptyFolderTitle();
QString checkingBackup();
QString restoring();
QString backupUnreadable(const QString& file, const QString& reason);
QString backupDamaged(const QString& file, const QString& entry, const QString& reason);
QString backupForeign(const QString& file, const QString& entry, const QString& reason);
QString restoreQuestion(const QDateTime& made, const QString& contents);
QString restoreElsewhereQuestion(const QDateTime& made, const QString& contents, const QString& folder);
QString restoreDone(const QString& asideFolder);
QString restoreElsewhereDone(const QString& folder);
QString archiveBusy(const QString& reason);
QString folderNotEmpty(const QString& folder);
QString restoreFailed(const QString& what, const QString& reason);
QString restoreCancelled();
} // namespace backuptext

} // namespace lumidex
