#include "report/ComposedReport.h"

#include "common/Formatting.h"
#include "report/ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace lumidex::report {

namespace {

// Measures in millimetres are compared with this much slack, so that a band
// that fits exactly is not pushed onto the next page by a rounding error.
constexpr qreal slack = 1e-6;

using Placement = ComposedReport::Placement;

// How many lines a listing takes on paper: as many as its height holds.
qsizetype listingLineCount(const ReportObject& listing)
{
    return qMax<qsizetype>(0, std::lround(listing.box.height() / listing.linePitch));
}

class Composer {
public:
    Composer(const QPageLayout& page, const QList<ReportObject>& objects)
        : m_objects(objects)
        , m_pageHeight(page.paintRect(QPageLayout::Millimeter).height())
        , m_pages(1)
    { }

    // Objects first..first + count - 1 of the layout, each on the first page.
    void placeObjects(qsizetype first, qsizetype count)
    {
        for (qsizetype i = first; i < first + count; ++i)
            place(i, 0);
    }

    // The band whose objects are first..first + count - 1 of the layout.
    void placeBand(const ReportBand& band, qsizetype first, qsizetype count)
    {
        const qsizetype listing = listingOf(first, count);
        if (fits(band.height) || !band.mayBreak || listing < 0) {
            if (!fits(band.height) && m_top > 0)
                newPage();
            for (qsizetype i = first; i < first + count; ++i)
                place(i, m_top);
            m_top += band.height;
            return;
        }
        breakBand(band, first, count, listing);
    }

    QList<QList<Placement>> pages() const { return m_pages; }

private:
    qsizetype listingOf(qsizetype first, qsizetype count) const
    {
        for (qsizetype i = first; i < first + count; ++i)
            if (m_objects.at(i).kind == ObjectKind::Text && m_objects.at(i).linePitch > 0)
                return i;
        return -1;
    }

    bool fits(qreal height) const { return m_top + height <= m_pageHeight + slack; }

    void newPage()
    {
        m_pages.append(QList<Placement>());
        m_top = 0;
    }

    void place(qsizetype object, qreal top) { m_pages.last().append({ object, m_objects.at(object).box.top() + top }); }

    // A band taller than the room left: its listing goes on line by line, each
    // page taking the lines it has room for; the band's other objects print with
    // its first lines, and the room the band leaves under its listing with the last.
    void breakBand(const ReportBand& band, qsizetype first, qsizetype count, qsizetype listingIndex)
    {
        const ReportObject& listing = m_objects.at(listingIndex);
        const qsizetype lines = listingLineCount(listing);
        const qreal pitch = listing.linePitch;
        const qreal roomBelow = qMax<qreal>(0, band.height - listing.box.bottom());
        qsizetype next = 0;
        bool firstPiece = true;
        for (;;) {
            const qreal offset = firstPiece ? listing.box.top() : 0;
            const qsizetype remaining = lines - next;
            qsizetype fitting = qsizetype(std::floor((m_pageHeight - m_top - offset + slack) / pitch));
            if (remaining <= fitting) {
                placePiece(first, count, listingIndex, next, remaining, offset, firstPiece);
                m_top += offset + remaining * pitch + roomBelow;
                return;
            }
            if (fitting <= 0 && m_top > 0) {
                newPage();
                continue;
            }
            // A line taller than a whole page still prints, alone on its page.
            fitting = qMax<qsizetype>(fitting, 1);
            placePiece(first, count, listingIndex, next, fitting, offset, firstPiece);
            next += fitting;
            firstPiece = false;
            newPage();
        }
    }

    void placePiece(qsizetype first, qsizetype count, qsizetype listing, qsizetype firstLine, qsizetype lineCount,
        qreal offset, bool withOthers)
    {
        for (qsizetype i = first; i < first + count; ++i) {
            if (i == listing)
                m_pages.last().append({ i, m_top + offset, firstLine, lineCount });
            else if (withOthers)
                place(i, m_top);
        }
    }

    const QList<ReportObject>& m_objects;
    qreal m_pageHeight;
    qreal m_top = 0;
    QList<QList<Placement>> m_pages;
};

} // namespace

ComposedReport::ComposedReport(const ReportLayout& layout, const QDate& today)
    : m_name(layout.name)
    , m_page(layout.page)
    , m_today(today)
    , m_objects(layout.objects)
{
    for (const ReportBand& band : layout.bands)
        m_objects << band.objects;
    Composer composer(m_page, m_objects);
    composer.placeObjects(0, layout.objects.size());
    qsizetype first = layout.objects.size();
    for (const ReportBand& band : layout.bands) {
        composer.placeBand(band, first, band.objects.size());
        first += band.objects.size();
    }
    m_pages = composer.pages();
}

ComposedReport::Page ComposedReport::pageObjects(int page) const
{
    Page objects;
    if (page < 0 || page >= m_pages.size())
        return objects;
    for (const Placement& placement : m_pages.at(page)) {
        ReportObject object = m_objects.at(placement.object);
        if (placement.lineCount >= 0) {
            object.lines = object.lines.mid(placement.firstLine, placement.lineCount);
            object.box.setHeight(placement.lineCount * object.linePitch);
        }
        object.box.moveTop(placement.top);
        if (object.endsWithCurrentDate) {
            object.text += formatShortDate(m_today);
            object.endsWithCurrentDate = false;
        }
        objects << object;
    }
    return objects;
}

bool ComposedReport::paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const
{
    if (page < 0 || page >= m_pages.size())
        return false;
    return paintObjects(painter, device, m_page, pageObjects(page));
}

ComposedReport compose(const ReportLayout& layout, const QDate& today)
{
    return ComposedReport(layout, today);
}

} // namespace lumidex::report
