#pragma once

#include "common/FailureCause.h"
#include "report/PrintableReport.h"

#include <QPageRanges>
#include <QString>

namespace lumidex {

// What a print into a PDF file takes from the print dialog: the file, the pages
// and copies the user chose, and the detail the pages are drawn in.
struct PdfFileRequest {
    QString path;
    QString title;
    int resolution = 1200;
    QPageRanges pageRanges;
    PrintRun run;
};

// Paints `report` into the PDF file at `request.path`. The pages go into a new
// file beside it, which takes its place only once every page is in it and on
// the disk: a print the user stops, or one that fails on the way (a full disk,
// a folder that cannot be written), leaves whatever was at the path, byte for
// byte, and no file beside it. A failure says why in `cause`, if asked.
[[nodiscard]] PaintOutcome paintPdfFile(const PrintableReport& report, const PdfFileRequest& request,
    const PagesPainted& progress, FailureCause* cause = nullptr);

} // namespace lumidex
