#pragma once

#include "report/PrintableReport.h"
#include "report/ReportLayout.h"

#include <QDate>
#include <QList>

namespace lumidex::report {

// A layout laid out on pages: every object at its place on its page, in
// millimetres from the top-left corner of the page's printable area, the
// current date written out and a listing cut into the lines each page takes.
// Only the places are kept; a page's objects are made when it is painted, so
// that a listing of a hundred thousand lines is never held a second time.
class ComposedReport : public PrintableReport {
public:
    using Page = QList<ReportObject>;

    // Lays `layout` out: its objects on the first page, then its bands one under
    // the other, a band that may break continuing on the next pages line by line,
    // and the date fields set to `today`.
    ComposedReport(const ReportLayout& layout, const QDate& today);

    // The objects of page `page` (0-based) at their places on it; empty for a
    // page the report does not have.
    Page pageObjects(int page) const;

    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override { return m_page; }
    int pageCount() const override { return int(m_pages.size()); }
    [[nodiscard]] bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override;

    // Where one object of the layout lands: its box's top on the page and, for
    // a piece of a listing, which of the listing's lines the piece holds.
    struct Placement {
        qsizetype object = 0;
        qreal top = 0;
        qsizetype firstLine = 0;
        // Less than zero: the whole object, as the layout has it.
        qsizetype lineCount = -1;
    };

private:
    QString m_name;
    QPageLayout m_page;
    QDate m_today;
    // The layout's objects, then those of its bands, in order.
    QList<ReportObject> m_objects;
    QList<QList<Placement>> m_pages;
};

ComposedReport compose(const ReportLayout& layout, const QDate& today = QDate::currentDate());

} // namespace lumidex::report
