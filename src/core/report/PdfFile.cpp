#include "report/PdfFile.h"

#include "storage/SafeWrite.h"

#include <QIODevice>
#include <QPdfWriter>

namespace lumidex {

PaintOutcome paintPdfFile(
    const PrintableReport& report, const PdfFileRequest& request, const PagesPainted& progress, FailureCause* cause)
{
    PaintOutcome painted = PaintOutcome::Failed;
    FailureCause failure;
    const bool written = safewrite::replaceFile(
        request.path,
        [&](QIODevice& out, FailureCause& why) {
            QPdfWriter writer(&out);
            writer.setResolution(request.resolution);
            writer.setTitle(request.title);
            writer.setCreator(QStringLiteral("Lumidex"));
            writer.setPageRanges(request.pageRanges);
            painted = paintPages(report, writer, request.run, progress);
            switch (painted) {
            case PaintOutcome::Painted:
                return true;
            case PaintOutcome::Stopped:
                why = FailureCause::fromSystem(0, QStringLiteral("The print was stopped before its last page"));
                return false;
            case PaintOutcome::Failed:
                break;
            }
            why = FailureCause::fromSystem(0, QStringLiteral("A page of the report could not be painted"));
            return false;
        },
        &failure);
    if (written)
        return PaintOutcome::Painted;
    // Pages all painted and a file that would not take them: the print failed.
    if (painted == PaintOutcome::Painted)
        painted = PaintOutcome::Failed;
    if (cause && painted == PaintOutcome::Failed)
        *cause = failure;
    return painted;
}

} // namespace lumidex
