#include "ui/PrinterOutput.h"

#include "report/PdfFile.h"
#include "ui/ReportProgress.h"

#include <QPrinter>

namespace lumidex {

bool printsIntoFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

PrintRun printRunOf(const QPrinter& printer)
{
    const bool ownCopies = !printer.supportsMultipleCopies();
    return { ownCopies ? printer.copyCount() : 1, printer.collateCopies(),
        printer.pageOrder() == QPrinter::LastPageFirst };
}

ReportResult paintOnPrinter(const PrintableReport& report, QPrinter& printer, const PagesPainted& progress)
{
    if (!printsIntoFile(printer))
        return { reportOutcome(paintPages(report, printer, printRunOf(printer), progress)), {} };
    // Qt's own PDF output writes straight into the chosen file, so a print
    // stopped at page 3 would leave two pages in place of the user's file.
    const PdfFileRequest request { printer.outputFileName(), printer.docName(), printer.resolution(),
        printer.pageRanges(), printRunOf(printer) };
    FailureCause cause;
    const PaintOutcome painted = paintPdfFile(report, request, progress, &cause);
    return { reportOutcome(painted), cause };
}

} // namespace lumidex
