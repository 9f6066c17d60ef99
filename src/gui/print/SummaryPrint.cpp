#include "gui/print/SummaryPrint.h"

#include "report/ComposedReport.h"
#include "report/SummaryLayout.h"
#include "texts/PrintTexts.h"
#include "ui/Interaction.h"
#include "ui/UnexpectedError.h"

namespace lumidex {

void printSummary(QWidget* owner, const QString& title, const QStringList& lines)
{
    report::ReportLayout layout = report::summaryLayout();
    report::fillSummary(layout, title, lines);
    const report::ComposedReport composed = report::compose(layout);
    // A list of thousands of lines is a ream of paper: the user hears how much
    // before the print dialog, and may think again.
    if (composed.pageCount() > summaryPagesWithoutQuestion
        && interaction().message(owner, MessageKind::Confirmation,
               printtext::longSummary(lines.size(), composed.pageCount()), Buttons::YesNo)
            == Answer::No)
        return;
    // The summary has no message of its own: a print that fails ends like any
    // error nobody expected, with the failure's own description. A print the
    // user stopped says nothing, as a cancelled print dialog does.
    const ReportResult printed = interaction().printReport(owner, composed);
    if (printed.outcome == ReportOutcome::Failed)
        reportUnexpectedError(withCause(printtext::summaryFailed(composed.name()), printed.cause));
}

} // namespace lumidex
