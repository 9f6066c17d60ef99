#include "gui/print/SummaryPrint.h"

#include "report/ComposedReport.h"
#include "report/SummaryLayout.h"
#include "ui/Interaction.h"
#include "ui/UnexpectedError.h"

namespace lumidex {

void printSummary(QWidget* owner, const QString& title, const QStringList& lines)
{
    report::ReportLayout layout = report::summaryLayout();
    report::fillSummary(layout, title, lines);
    const report::ComposedReport composed = report::compose(layout);
    // The summary has no message of its own: a print that fails ends like any
    // error nobody expected, with the failure's own description.
    if (interaction().printReport(owner, composed) == ReportOutcome::Failed)
        reportUnexpectedError(QStringLiteral("Stampa del riepilogo non riuscita: la stampante non ha accettato le "
                                             "pagine di \"%1\".")
                                  .arg(composed.name()));
}

} // namespace lumidex
