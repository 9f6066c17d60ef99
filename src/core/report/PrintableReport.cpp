#include "report/PrintableReport.h"

#include <QList>
#include <QPagedPaintDevice>
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

bool paintReport(const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run)
{
    const QPageLayout layout = report.pageLayout();
    if (!device.setPageLayout(layout)) {
        // A printer whose margins cannot come down to the report's still prints
        // it on the right paper; the painting keeps every object in its place.
        device.setPageSize(layout.pageSize());
        device.setPageOrientation(layout.orientation());
    }
    const QList<int> sequence = pageSequence(report, device.pageRanges(), run);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool painted = true;
    for (qsizetype i = 0; i < sequence.size() && painted; ++i) {
        if (i > 0 && !device.newPage()) {
            painted = false;
            break;
        }
        painter.save();
        painted = report.paintPage(painter, device, sequence.at(i));
        painter.restore();
    }
    return painter.end() && painted;
}

} // namespace lumidex
