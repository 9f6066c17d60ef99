#pragma once

#include "report/PrintableReport.h"
#include "ui/Interaction.h"

class QPrinter;

namespace lumidex {

// Whether the user chose, in the print dialog, to print into a PDF file.
bool printsIntoFile(const QPrinter& printer);

// What the user asked of `printer` beyond the page range that the printer leaves
// to the program: copies it cannot make by itself (a PDF file, for one) and
// the order of the pages.
PrintRun printRunOf(const QPrinter& printer);

// Paints `report` on the printer the user chose in the print dialog. Into a PDF
// file, the pages go through a new file beside the chosen one, which replaces
// it only when the last page is in: a print stopped or failed on the way keeps
// the file that was there. A stop the user asked for is Cancelled.
[[nodiscard]] ReportResult paintOnPrinter(
    const PrintableReport& report, QPrinter& printer, const PagesPainted& progress);

} // namespace lumidex
