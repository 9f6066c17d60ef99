#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

namespace lumidex {

// What the pages of a report are painted for: paper, or the preview's screen.
enum class ReportUse { Print, Preview };

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
    [[nodiscard]] virtual bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const = 0;

    // Whether even a few of its pages are long work (each decodes photos), so
    // that the user sees them go by whatever their number.
    virtual bool slowPages() const { return false; }
    // What the user reads while page `page` of `pages` (from 1) is painted.
    virtual QString pageProgress(ReportUse use, int page, int pages) const;
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

// How painting a report's pages ended: every page painted, stopped by the user
// after a whole page, or failed.
enum class PaintOutcome { Painted, Stopped, Failed };

// Told how far the painting is: first (0, total) before any page, then the
// number of pages painted after each one. Returning false stops the painting
// there; the pages painted so far are the document.
using PagesPainted = std::function<bool(int painted, int total)>;

// Paints `report` onto `device` (a printer or PDF writer), which takes the
// report's page layout first (or at least its paper and orientation, when the
// device will not have its margins): every page, or only those of the device's
// page ranges when the user chose some, one after the other, none held once it
// is painted.
[[nodiscard]] PaintOutcome paintPages(
    const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run, const PagesPainted& progress);
// The same, to the end: false when a page could not be painted or the device
// refused the painter.
[[nodiscard]] bool paintReport(const PrintableReport& report, QPagedPaintDevice& device, const PrintRun& run = {});

// Whether `device` records pages to show them (the print preview) rather than
// putting them on paper or into a file.
bool recordsPages(const QPaintDevice& device);

} // namespace lumidex
