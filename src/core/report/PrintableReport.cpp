#include "report/PrintableReport.h"

#include "texts/PrintTexts.h"

#include <QList>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

namespace lumidex {

namespace {

// The pages to paint, in order, with their copies.
QList<int> pageSequence(const PrintableReport& report, const QPageRanges& chosen, const PrintRun& run)
{
    QList<int> pages;
    for (int page = 0; page < report.pageCount(); ++page)
        // Page ranges count from 1, as the print dialog shows them.
        if (chosen.isEmpty() || chosen.contains(page + 1))
            pages << page;
    if (run.lastPageFirst)
        std::reverse(pages.begin(), pages.end());
    const int count = qMax(1, run.copies);
    QList<int> sequence;
    if (run.collate) {
        for (int copy = 0; copy < count; ++copy)
            sequence << pages;
    } else {
        for (int page : pages)
            for (int copy = 0; copy < count; ++copy)
                sequence << page;
    }
    return sequence;
}

} // namespace

QString PrintableReport::pageProgress(ReportUse use, int page, int pages) const
{
    return use == ReportUse::Print ? printtext::printingPage(page, pages) : printtext::previewingPage(page, pages);
}

PaintOutcome paintPages(
    const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run, const PagesPainted& progress)
{
    const QPageLayout layout = report.pageLayout();
    if (!device.setPageLayout(layout)) {
        // A printer whose margins cannot come down to the report's still prints
        // it on the right paper; the painting keeps every object in its place.
        device.setPageSize(layout.pageSize());
        device.setPageOrientation(layout.orientation());
    }
    const QList<int> sequence = pageSequence(report, device.pageRanges(), run);
    const int total = int(sequence.size());
    if (progress && !progress(0, total))
        return PaintOutcome::Stopped;
    QPainter painter;
    if (!painter.begin(&device))
        return PaintOutcome::Failed;
    PaintOutcome outcome = PaintOutcome::Painted;
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !device.newPage()) {
            outcome = PaintOutcome::Failed;
            break;
        }
        painter.save();
        const bool painted = report.paintPage(painter, device, sequence.at(i));
        painter.restore();
        if (!painted) {
            outcome = PaintOutcome::Failed;
            break;
        }
        // A page is never left half painted: the user's stop is heard between pages.
        if (progress && !progress(i + 1, total) && i + 1 < total) {
            outcome = PaintOutcome::Stopped;
            break;
        }
    }
    if (!painter.end())
        return PaintOutcome::Failed;
    return outcome;
}

bool paintReport(const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run)
{
    return paintPages(report, device, run, {}) == PaintOutcome::Painted;
}

bool recordsPages(const QPaintDevice& device)
{
    const QPaintEngine* engine = device.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

} // namespace lumidex
