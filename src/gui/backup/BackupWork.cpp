#include "gui/backup/BackupWork.h"

#include "backup/BackupCheck.h"
#include "backup/MakeBackup.h"
#include "backup/RestoreBackup.h"
#include "texts/BackupTexts.h"
#include "ui/Interaction.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace lumidex {

namespace {

// The progress of work in two stages, in thousandths: the first stage takes
// the first half.
constexpr qint64 progressSteps = 1000;

qint64 thousandths(qint64 done, qint64 total)
{
    return total <= 0 ? 0 : qMin(progressSteps, done * progressSteps / total);
}

const QString lineBreak = QStringLiteral("\r\n");
const QString backupParagraphBreak = QStringLiteral("\r\n\r\n");
// A list in a message shows this many lines, each cut to about two lines of
// the box, then how many more there are: the box must fit on the screen
// however many cards name a missing file, and however long their names.
constexpr int linesShown = 5;
constexpr int lineLength = 110;

QString listed(const QString& heading, const QStringList& lines)
{
    QString text = heading;
    for (int i = 0; i < lines.size() && i < linesShown; ++i) {
        const QString& line = lines.at(i);
        text += lineBreak + (line.size() > lineLength ? line.left(lineLength - 1) + QChar(0x2026) : line);
    }
    if (lines.size() > linesShown)
        text += lineBreak + backuptext::moreLines(int(lines.size()) - linesShown);
    return text;
}

QString findingLine(const backup::Finding& finding)
{
    switch (finding.kind) {
    case backup::Finding::Kind::PartialRecord:
        return backuptext::partialRecord(finding.file, finding.bytes);
    case backup::Finding::Kind::MissingAttachment:
        return backuptext::missingAttachment(finding.file, finding.position, finding.name);
    case backup::Finding::Kind::PhotoPastLastCard:
        break;
    }
    return backuptext::photoPastLastCard(finding.file);
}

QString contentsText(const backup::Contents& contents)
{
    return backuptext::contents(
        contents.cards, contents.books, contents.bookEntries, contents.photos, contents.attachedFiles);
}

QString doneText(const backup::BackupOutcome& outcome)
{
    QString text = backuptext::backupDone(QDir::toNativeSeparators(outcome.zipPath), contentsText(outcome.contents));
    QStringList findings;
    for (const backup::Finding& finding : outcome.findings)
        findings << findingLine(finding);
    text += backupParagraphBreak
        + (findings.isEmpty() ? backuptext::noFindings() : listed(backuptext::findingsHeading(), findings));
    if (!outcome.changedWhileCopied.isEmpty())
        text += backupParagraphBreak + listed(backuptext::changedWhileCopied(), outcome.changedWhileCopied);
    if (!outcome.leftOut.isEmpty())
        text += backupParagraphBreak + listed(backuptext::leftOut(), outcome.leftOut);
    if (!outcome.removed.isEmpty())
        text += backupParagraphBreak + backuptext::removedOld(int(outcome.removed.size()));
    if (!outcome.notRemoved.isEmpty())
        text += backupParagraphBreak + listed(backuptext::notRemoved(), outcome.notRemoved);
    if (!outcome.settingsNotSaved.isEmpty())
        text += backupParagraphBreak + backuptext::settingsNotSaved(outcome.settingsNotSaved);
    return text;
}

QString failureText(const backup::BackupOutcome& outcome)
{
    using Failure = backup::BackupOutcome::Failure;
    switch (outcome.failure) {
    case Failure::NoTarget:
        return outcome.failedPath.isEmpty() ? backuptext::noTargetChosen()
                                            : backuptext::targetMissing(QDir::toNativeSeparators(outcome.failedPath));
    case Failure::TargetInsideProgramFolder:
        return backuptext::targetInsideProgramFolder();
    case Failure::CannotCreate:
        return backuptext::cannotCreate(outcome.reason);
    case Failure::CannotReadArchive:
        return backuptext::cannotReadArchive(outcome.failedPath, outcome.reason);
    case Failure::CannotReadFile:
        return backuptext::cannotReadFile(outcome.failedPath, outcome.reason);
    case Failure::CheckFailed:
        return backuptext::checkFailed(outcome.failedPath, outcome.reason);
    case Failure::CannotName:
        return backuptext::cannotName(outcome.reason);
    case Failure::CannotWrite:
    case Failure::None:
        break;
    }
    return backuptext::cannotWrite(outcome.reason);
}

// Checks the backup the user picked, telling why it is refused; nothing when it is.
std::optional<backup::Check> checkedBackup(QWidget* owner, const QString& zipPath)
{
    backup::Check check;
    {
        const std::unique_ptr<Progress> progress
            = interaction().startProgress(owner, backuptext::checkingBackup(), progressSteps);
        check = backup::checkBackup(
            zipPath, [&](qint64 done, qint64 total) { return progress->advance(thousandths(done, total)); });
    }
    const QString shown = QDir::toNativeSeparators(zipPath);
    using Result = backup::Check::Result;
    switch (check.result) {
    case Result::Sound:
        return check;
    case Result::Cancelled:
        return std::nullopt;
    case Result::Unreadable:
        interaction().message(
            owner, MessageKind::Error, backuptext::backupUnreadable(shown, check.reason), Buttons::OkCancel);
        return std::nullopt;
    case Result::Damaged:
        interaction().message(
            owner, MessageKind::Error, backuptext::backupDamaged(shown, check.entry, check.reason), Buttons::OkCancel);
        return std::nullopt;
    case Result::Foreign:
        break;
    }
    interaction().message(
        owner, MessageKind::Error, backuptext::backupForeign(shown, check.entry, check.reason), Buttons::OkCancel);
    return std::nullopt;
}

} // namespace

bool runBackup(QWidget* owner, const QString& programDir, const backup::Settings& settings)
{
    backup::BackupOutcome outcome;
    {
        const std::unique_ptr<Progress> progress
            = interaction().startProgress(owner, backuptext::copying(), 2 * progressSteps);
        backup::BackupStage shown = backup::BackupStage::Copying;
        outcome = backup::makeBackup(programDir, settings, QDateTime::currentDateTime(),
            [&](backup::BackupStage stage, qint64 done, qint64 total) {
                if (stage != shown) {
                    shown = stage;
                    progress->setLabel(backuptext::checkingCopy());
                }
                const qint64 before = stage == backup::BackupStage::Copying ? 0 : progressSteps;
                return progress->advance(before + thousandths(done, total));
            });
    }
    switch (outcome.result) {
    case backup::BackupOutcome::Result::Done:
        interaction().message(owner, MessageKind::Information, doneText(outcome), Buttons::OkCancel);
        return true;
    case backup::BackupOutcome::Result::Cancelled:
        interaction().message(owner, MessageKind::Information, backuptext::backupCancelled(), Buttons::OkCancel);
        return false;
    case backup::BackupOutcome::Result::Failed:
        break;
    }
    interaction().message(owner, MessageKind::Error, backuptext::backupFailed(failureText(outcome)), Buttons::OkCancel);
    return false;
}

bool runRestore(QWidget* owner, const QString& programDir, RestoreTarget target)
{
    const backup::Settings settings = backup::readSettings(programDir).value_or(backup::Settings());
    const QString zipPath = interaction().openFileName(owner,
        { backuptext::chooseBackupTitle(), backuptext::backupFilter(), {}, QStringLiteral("zip"),
            settings.targetFolder });
    if (zipPath.isEmpty())
        return false;
    const std::optional<backup::Check> check = checkedBackup(owner, zipPath);
    if (!check)
        return false;
    const QString contents = contentsText(check->contents);

    QString folder;
    if (target == RestoreTarget::OtherFolder) {
        folder = interaction().folderName(owner, { backuptext::chooseEmptyFolderTitle(), {}, {}, {}, {} });
        if (folder.isEmpty())
            return false;
        folder = QDir::cleanPath(folder);
        if (interaction().message(owner, MessageKind::Confirmation,
                backuptext::restoreElsewhereQuestion(check->contents.made, contents, QDir::toNativeSeparators(folder)),
                Buttons::YesNo)
            != Answer::Yes)
            return false;
    } else if (interaction().message(owner, MessageKind::Confirmation,
                   backuptext::restoreQuestion(check->contents.made, contents), Buttons::YesNo)
        != Answer::Yes) {
        return false;
    }

    backup::RestoreOutcome outcome;
    {
        const std::unique_ptr<Progress> progress
            = interaction().startProgress(owner, backuptext::restoring(), progressSteps);
        const backup::RestoreStep step
            = [&](qint64 done, qint64 total) { return progress->advance(thousandths(done, total)); };
        outcome = target == RestoreTarget::OtherFolder
            ? backup::restoreInto(folder, zipPath, *check, step)
            : backup::restoreOver(programDir, zipPath, *check, QDateTime::currentDateTime(), step);
    }
    using Result = backup::RestoreOutcome::Result;
    switch (outcome.result) {
    case Result::Done:
        interaction().message(owner, MessageKind::Information,
            target == RestoreTarget::OtherFolder
                ? backuptext::restoreElsewhereDone(QDir::toNativeSeparators(folder))
                : backuptext::restoreDone(QDir::toNativeSeparators(outcome.asideFolder)),
            Buttons::OkCancel);
        return true;
    case Result::Cancelled:
        interaction().message(owner, MessageKind::Information, backuptext::restoreCancelled(), Buttons::OkCancel);
        return false;
    case Result::ArchiveBusy:
        interaction().message(owner, MessageKind::Warning, backuptext::archiveBusy(outcome.reason), Buttons::OkCancel);
        return false;
    case Result::FolderNotEmpty:
        interaction().message(owner, MessageKind::Warning,
            backuptext::folderNotEmpty(QDir::toNativeSeparators(outcome.failedPath)), Buttons::OkCancel);
        return false;
    case Result::Failed:
        break;
    }
    interaction().message(owner, MessageKind::Error,
        backuptext::restoreFailed(QDir::toNativeSeparators(outcome.failedPath), outcome.reason), Buttons::OkCancel);
    return false;
}

} // namespace lumidex
