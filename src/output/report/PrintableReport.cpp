#include "output/report/PrintableReport.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace lumidex {

bool paintReport(const PrintableReport& report, QPagedPaintDevice& device)
{
    if (!device.setPageLayout(report.pageLayout()))
        return false;
    const QPageRanges chosen = device.pageRanges();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool painted = true;
    bool first = true;
    for (int page = 0; page < report.pageCount() && painted; ++page) {
        // Page ranges count from 1, as the print dialog shows them.
        if (!chosen.isEmpty() && !chosen.contains(page + 1))
            continue;
        if (!first && !device.newPage()) {
            painted = false;
            break;
        }
        first = false;
        painter.save();
        painted = report.paintPage(painter, device, page);
        painter.restore();
    }
    return painter.end() && painted;
}

} // namespace lumidex
