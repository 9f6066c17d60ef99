#include "gui/package/TfrmPacchetto.h"

#include "common/Text.h"
#include "compcard/AgencyLine.h"
#include "gui/package/WebOutcomeMessages.h"
#include "kinds/ArchiveProfile.h"
#include "package/PackageReport.h"
#include "report/CompCardReport.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/ProgramFolder.h"
#include "texts/PackageTexts.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace lumidex {

package::PackageCover TfrmPacchetto::cover() const
{
    return { text::trimmed(txtCliente->text()), txtNota->toPlainText().trimmed(), agencyline::read(m_programDir),
        QDate::currentDate() };
}

QList<Card> TfrmPacchetto::chosenRecords()
{
    if (m_cards.checkedCount() == 0) {
        interaction().message(this, MessageKind::Warning, packagetext::nothingChosen(), Buttons::OkCancel);
        return {};
    }
    try {
        return package::readChosenCards(programfolder::registryArchivePath(m_programDir), m_cards.checkedPositions());
    } catch (const ArchiveError& error) {
        interaction().message(this, MessageKind::Error, archiveFailureMessage(error), Buttons::OkCancel);
        return {};
    }
}

QStringList TfrmPacchetto::attachedPictures(const QStringList& record, const package::FieldChoice& choice) const
{
    if (!choice.pictures())
        return {};
    QStringList names;
    for (const char* slot : { "File01", "File02", "File03" })
        names << record.value(layouts::registry.indexOf(slot));
    return report::attachedPictures(m_programDir, names);
}

QString TfrmPacchetto::photoPath(int position) const
{
    return photofiles::registryPhotoPath(m_programDir, QString::number(position));
}

void TfrmPacchetto::cmdCreaPdfClick()
{
    const QList<Card> records = chosenRecords();
    if (records.isEmpty())
        return;
    const package::FieldChoice choice = fieldChoice();
    QList<package::PrintedCard> cards;
    for (const Card& card : records)
        cards.append(
            { choice.maskedRecord(card.values), photoPath(card.position), attachedPictures(card.values, choice) });
    // A card without a photo shows what the registry editor shows for it.
    package::PackageReport report(cover(), std::move(cards),
        renderPicture(archiveProfile(ArchiveKind::Registry).placeholderPicture, QSize(307, 409)));

    // The progress starts with the first page painted, not before: while the
    // print dialog waits for the user, nothing is being done.
    const int pages = report.pageCount();
    std::unique_ptr<Progress> progress;
    report.setPageStep([this, &progress, pages](int page) {
        if (!progress)
            progress = interaction().startProgress(this, packagetext::pdfProgress(), pages);
        progress->setLabel(packagetext::pdfPage(page, pages));
        return progress->advance(page - 1);
    });
    const ReportResult printed = interaction().printReport(this, report);
    const bool stopped = progress && progress->cancelled();
    if (progress && !stopped)
        progress->advance(pages);
    progress.reset();
    if (stopped)
        interaction().message(this, MessageKind::Information, packagetext::pdfCancelled(), Buttons::OkCancel);
    else if (printed.outcome == ReportOutcome::Failed)
        interaction().message(
            this, MessageKind::Warning, withCause(packagetext::pdfFailed(), printed.cause), Buttons::OkCancel);
}

void TfrmPacchetto::cmdCreaWebClick()
{
    const QList<Card> records = chosenRecords();
    if (records.isEmpty())
        return;
    const package::FieldChoice choice = fieldChoice();
    QList<package::PackageModel> models;
    for (const Card& card : records) {
        models.append({ text::trimmed(card.values.value(layouts::registry.indexOf("Nome"))),
            choice.shownFields(card.values), photoPath(card.position), attachedPictures(card.values, choice) });
    }
    const package::PackageCover packageCover = cover();
    const WebOutcomeTexts texts { packagetext::webProgress(), packagetext::webCancelled(), packagetext::webFailed,
        packagetext::webDone };
    makeWebFolder(this, texts, int(models.size()), [&](const package::WorkStep& step) {
        return package::writeWebPackage(m_programDir, packageCover, models, step);
    });
}

} // namespace lumidex
