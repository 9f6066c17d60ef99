#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace lumidex {

// A report composed and ready for paper: the page it is laid out on and the
// routine that paints each of its pages. Printing, the preview and the tests'
// PDF all paint through paintReport(), so they cannot differ.
class PrintableReport {
public:
    virtual ~PrintableReport() = default;

    // The print job's name, e.g. "Scheda anagrafica".
    virtual QString name() const = 0;
    // Paper size, orientation and margins.
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    // Paints page `page` (0-based) with `painter`, which is active on `device`.
    // Returns false when the page could not be painted.
    virtual bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const = 0;
};

// What the user asked of a print beyond the page range, and the device leaves
// to the program: copies it cannot make by itself (a PDF file, for one), painted
// as whole sets one after the other when collated, otherwise each page as many
// times as asked before the next; and the pages last to first.
struct PrintRun {
    int copies = 1;
    bool collate = true;
    bool lastPageFirst = false;
};

// Paints `report` onto `device` (a printer or PDF writer), which takes the
// report's page layout first (or at least its paper and orientation, when the
// device will not have its margins): every page, or only those of the device's
// page ranges when the user chose some. False when a page could not be painted
// or the device refused the painter.
bool paintReport(const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run = {});

} // namespace lumidex
