#include "package/PackageReport.h"

#include "common/Text.h"
#include "report/CompCardLayout.h"
#include "report/CompCardReport.h"
#include "report/ComposedReport.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"

#include <QRegularExpression>

namespace lumidex::package {

namespace {

constexpr int namesPerColumn = 18;
constexpr int nameColumns = 3;

} // namespace

report::ReportLayout packageCoverLayout(const PackageCover& cover, const QStringList& names)
{
    using namespace report;
    ReportLayout layout;
    layout.name = QStringLiteral("Pacchetto");
    layout.page = compCardLayout(CompCardPaper::A4, 0).page;
    const QRectF area = layout.page.paintRect(QPageLayout::Millimeter);
    const qreal width = area.width();

    const QString client = text::trimmed(cover.client);
    layout.objects << rectangle(QStringLiteral("shpBarra"), QRectF(0, 0, width, 4), royalBlue, royalBlue)
                   << textBox(QStringLiteral("txtAgenzia"), QRectF(0, 8, width, 9), text::trimmed(cover.agencyLine),
                          reportFont(QStringLiteral("Verdana"), 12, true), royalBlue)
                   << textBox(QStringLiteral("titPacchetto"), QRectF(0, 24, width, 10),
                          client.isEmpty() ? QStringLiteral("Pacchetto") : QStringLiteral("Pacchetto per"),
                          reportFont(QStringLiteral("Verdana"), 14), slateGrey)
                   << textBox(QStringLiteral("txtCliente"), QRectF(0, 34, width, 16), client,
                          reportFont(QStringLiteral("Verdana"), 26, true))
                   << textBox(QStringLiteral("txtData"), QRectF(0, 52, width, 8),
                          cover.date.toString(QStringLiteral("dd/MM/yyyy")), reportFont(QStringLiteral("Verdana"), 10),
                          slateGrey);
    // The note on its own lines, as typed.
    ReportObject note = textBox(QStringLiteral("txtNota"), QRectF(0, 64, width, 30), text::trimmed(cover.note),
        reportFont(QStringLiteral("Verdana"), 10));
    note.lines = note.text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    note.linePitch = 6;
    note.alignment = Qt::AlignLeft | Qt::AlignTop;
    layout.objects << note;

    const qreal top = 98;
    const qreal pitch = 5.5;
    const QString count
        = names.size() == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(names.size());
    layout.objects << rectangle(QStringLiteral("linNomi"), QRectF(0, top, width, 0.4), slateGrey, slateGrey)
                   << textBox(QStringLiteral("titNomi"), QRectF(0, top + 2, width, 7),
                          QStringLiteral("Nel pacchetto: ") + count, reportFont(QStringLiteral("Verdana"), 10, true),
                          royalBlue);
    QStringList shown = names.mid(0, namesPerColumn * nameColumns);
    if (names.size() > shown.size()) {
        shown.removeLast();
        shown << QStringLiteral("... e altre %1").arg(names.size() - shown.size());
    }
    const qreal columnWidth = width / nameColumns;
    for (int column = 0; column * namesPerColumn < shown.size(); ++column) {
        ReportObject list = textBox(QStringLiteral("lstNomi%1").arg(column + 1),
            QRectF(column * columnWidth, top + 11, columnWidth - 4, namesPerColumn * pitch),
            shown.mid(column * namesPerColumn, namesPerColumn).join(u'\n'), reportFont(QStringLiteral("Verdana"), 9));
        list.lines = shown.mid(column * namesPerColumn, namesPerColumn);
        list.linePitch = pitch;
        list.alignment = Qt::AlignLeft | Qt::AlignTop;
        layout.objects << list;
    }
    return layout;
}

PackageReport::PackageReport(PackageCover cover, QList<PrintedCard> cards, QImage placeholder)
    : m_cover(std::move(cover))
    , m_cards(std::move(cards))
    , m_placeholder(std::move(placeholder))
{ }

QString PackageReport::name() const
{
    return QStringLiteral("Pacchetto");
}

QPageLayout PackageReport::pageLayout() const
{
    return report::compCardLayout(report::CompCardPaper::A4, 0).page;
}

std::optional<report::ReportLayout> PackageReport::pageLayoutOf(int page) const
{
    if (page == 0) {
        QStringList names;
        const int nameField = layouts::registry.indexOf("Nome");
        for (const PrintedCard& card : m_cards)
            names << text::trimmed(card.values.value(nameField));
        return packageCoverLayout(m_cover, names);
    }
    const PrintedCard& card = m_cards.at(page - 1);
    const QSize bound = report::compCardPhotoBound(int(card.picturePaths.size()));
    const photofiles::DecodedPicture photo = photofiles::decodePictureFitting(card.photoPath, bound);
    const QImage shown = photo.status == photofiles::DecodedPicture::Status::Loaded
        ? photo.image
        : m_placeholder.scaled(m_placeholder.size().boundedTo(bound), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return report::filledCompCard(
        report::CompCardPaper::A4, { card.values, shown, card.picturePaths }, m_cover.agencyLine);
}

bool PackageReport::paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const
{
    if (page < 0 || page >= pageCount())
        return false;
    if (m_step && !m_step(page + 1))
        return false;
    std::optional<report::ReportLayout> layout;
    if (m_nextPage == page && m_next.valid())
        layout = m_next.get();
    else
        layout = pageLayoutOf(page);
    m_nextPage = -1;
    // The next card is made on a thread of its own while this one is painted;
    // the decoder's process-wide limit was set at start-up
    // (photofiles::allowLargePictures), never here.
    if (page + 1 < pageCount()) {
        m_nextPage = page + 1;
        m_next = std::async(std::launch::async, [this, next = page + 1] { return pageLayoutOf(next); });
    }
    if (!layout)
        return false;
    return report::compose(*layout, m_cover.date).paintPage(painter, device, 0);
}

} // namespace lumidex::package
