#pragma once

#include "report/PrintableReport.h"
#include "report/ReportLayout.h"

#include <QDate>
#include <QList>

namespace lumidex::report {

// A layout laid out on pages: every object at its place on its page, in
// millimetres from the top-left corner of the page's printable area, the
// current date written out and a listing cut into the lines each page takes.
class ComposedReport : public PrintableReport {
public:
    using Page = QList<ReportObject>;

    ComposedReport(const QString& name, const QPageLayout& page, const QList<Page>& pages);

    const QList<Page>& pages() const { return m_pages; }

    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override { return m_page; }
    int pageCount() const override { return int(m_pages.size()); }
    bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override;

private:
    QString m_name;
    QPageLayout m_page;
    QList<Page> m_pages;
};

// Lays `layout` out: its objects on the first page, then its bands one under the
// other, a band that may break continuing on the next pages line by line, and
// the date fields set to `today`.
ComposedReport compose(const ReportLayout& layout, const QDate& today = QDate::currentDate());

} // namespace lumidex::report
