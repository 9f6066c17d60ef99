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

// The lines of a listing: as many as its height holds, its text cut at line breaks.
QStringList listingLines(const ReportObject& listing)
{
    const int count = qMax(0, int(std::lround(listing.box.height() / listing.linePitch)));
    QStringList lines = listing.text.isEmpty() ? QStringList() : listing.text.split(QLatin1Char('\n'));
    lines.resize(count);
    return lines;
}

class Composer {
public:
    Composer(const ReportLayout& layout, const QDate& today)
        : m_today(today)
        , m_pageHeight(layout.page.paintRect(QPageLayout::Millimeter).height())
        , m_pages(1)
    { }

    void placeObjects(const QList<ReportObject>& objects)
    {
        for (const ReportObject& object : objects)
            place(object, 0);
    }

    void placeBand(const ReportBand& band)
    {
        const ReportObject* listing = listingOf(band);
        if (fits(band.height) || !band.mayBreak || !listing) {
            if (!fits(band.height) && m_top > 0)
                newPage();
            for (const ReportObject& object : band.objects)
                place(object, m_top);
            m_top += band.height;
            return;
        }
        breakBand(band, *listing);
    }

    QList<ComposedReport::Page> pages() const { return m_pages; }

private:
    static const ReportObject* listingOf(const ReportBand& band)
    {
        for (const ReportObject& object : band.objects)
            if (object.kind == ObjectKind::Text && object.linePitch > 0)
                return &object;
        return nullptr;
    }

    bool fits(qreal height) const { return m_top + height <= m_pageHeight + slack; }

    void newPage()
    {
        m_pages.append(ComposedReport::Page());
        m_top = 0;
    }

    void place(ReportObject object, qreal top)
    {
        object.box.translate(0, top);
        if (object.endsWithCurrentDate) {
            object.text += formatShortDate(m_today);
            object.endsWithCurrentDate = false;
        }
        m_pages.last() << object;
    }

    // A band taller than the room left: its listing goes on line by line, each
    // page taking the lines it has room for; the band's other objects print with
    // its first lines, and the room the band leaves under its listing with the last.
    void breakBand(const ReportBand& band, const ReportObject& listing)
    {
        const QStringList lines = listingLines(listing);
        const qreal pitch = listing.linePitch;
        const qreal roomBelow = qMax<qreal>(0, band.height - listing.box.bottom());
        qsizetype next = 0;
        bool firstPiece = true;
        for (;;) {
            const qreal offset = firstPiece ? listing.box.top() : 0;
            const qsizetype remaining = lines.size() - next;
            qsizetype fitting = qsizetype(std::floor((m_pageHeight - m_top - offset + slack) / pitch));
            if (remaining <= fitting) {
                placePiece(band, listing, lines.mid(next), offset, firstPiece);
                m_top += offset + remaining * pitch + roomBelow;
                return;
            }
            if (fitting <= 0 && m_top > 0) {
                newPage();
                continue;
            }
            // A line taller than a whole page still prints, alone on its page.
            fitting = qMax<qsizetype>(fitting, 1);
            placePiece(band, listing, lines.mid(next, fitting), offset, firstPiece);
            next += fitting;
            firstPiece = false;
            newPage();
        }
    }

    void placePiece(
        const ReportBand& band, const ReportObject& listing, const QStringList& lines, qreal offset, bool withOthers)
    {
        for (const ReportObject& object : band.objects) {
            if (&object == &listing) {
                ReportObject piece = listing;
                piece.text = lines.join(QLatin1Char('\n'));
                piece.box = QRectF(listing.box.left(), offset, listing.box.width(), lines.size() * listing.linePitch);
                place(piece, m_top);
            } else if (withOthers) {
                place(object, m_top);
            }
        }
    }

    QDate m_today;
    qreal m_pageHeight;
    qreal m_top = 0;
    QList<ComposedReport::Page> m_pages;
};

} // namespace

ComposedReport::ComposedReport(const QString& name, const QPageLayout& page, const QList<Page>& pages)
    : m_name(name)
    , m_page(page)
    , m_pages(pages)
{ }

bool ComposedReport::paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const
{
    if (page < 0 || page >= m_pages.size())
        return false;
    return paintObjects(painter, device, m_page, m_pages.at(page));
}

ComposedReport compose(const ReportLayout& layout, const QDate& today)
{
    Composer composer(layout, today);
    composer.placeObjects(layout.objects);
    for (const ReportBand& band : layout.bands)
        composer.placeBand(band);
    return ComposedReport(layout.name, layout.page, composer.pages());
}

} // namespace lumidex::report
