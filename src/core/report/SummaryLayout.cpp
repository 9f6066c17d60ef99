#include "report/SummaryLayout.h"

namespace lumidex::report {

namespace {

constexpr qreal summaryMargin = 10;

} // namespace

ReportLayout summaryLayout()
{
    ReportLayout layout;
    layout.name = QStringLiteral("Riepilogo dati");
    layout.page = a4Page(QPageLayout::Landscape, summaryMargin);

    ReportBand title { BandKind::ReportTitle, QStringLiteral("ReportTitle"), 8, false, {} };
    ReportObject titleText = textBox(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo"),
        reportFont(QStringLiteral("Verdana"), 9, true), Qt::white, Qt::AlignCenter);
    titleText.fill = slateGrey;
    title.objects << titleText;

    ReportBand data { BandKind::MasterData, QStringLiteral("MasterData"), units(10), true, {} };
    ReportObject listing = textBox(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, 0), QString(),
        reportFont(QStringLiteral("Courier New"), 8), Qt::black, Qt::AlignLeft | Qt::AlignTop);
    listing.linePitch = summaryLinePitch;
    data.objects << listing;

    ReportBand footer { BandKind::Footer, QStringLiteral("Footer"), 8, false, {} };
    ReportObject date
        = textBox(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5), QStringLiteral("Stampa eseguita in data "),
            reportFont(QStringLiteral("Verdana"), 8, true), Qt::white, Qt::AlignCenter);
    date.fill = slateGrey;
    date.endsWithCurrentDate = true;
    footer.objects << date;

    layout.bands << title << data << footer;
    return layout;
}

bool fillSummary(ReportLayout& layout, const QString& title, const QStringList& lines)
{
    ReportObject* listing = layout.find(u"txtRiepilogo");
    ReportBand* data = layout.band(BandKind::MasterData);
    if (!layout.setText(u"txtTitolo", title) || !listing || !data)
        return false;
    // One result line is one printed line, whatever it holds: the painter prints
    // a line break inside one as a blank.
    listing->lines = lines;
    listing->box.setHeight(lines.size() * summaryLinePitch);
    data->height = listing->box.height() + units(10);
    return true;
}

} // namespace lumidex::report
