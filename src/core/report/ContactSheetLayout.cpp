#include "report/ContactSheetLayout.h"

namespace lumidex::report {

namespace {

constexpr qreal sheetMargin = 10;
constexpr qreal sheetWidth = 190;
constexpr qreal gridTop = 11;
constexpr int columnCount = 4;
constexpr int rowCount = 5;

const QColor frameFill(0xF4, 0xF7, 0xFA);
const QColor frameOutline(0xC8, 0xD6, 0xE3);

} // namespace

QPointF ContactSheetLayout::cellOrigin(int index) const
{
    const int slot = entriesPerPage() > 0 ? index % entriesPerPage() : 0;
    return gridOrigin + QPointF((slot % columns) * cellSize.width(), (slot / columns) * cellSize.height());
}

ContactSheetLayout contactSheetLayout()
{
    ContactSheetLayout sheet;
    ReportLayout& page = sheet.page;
    page.name = QStringLiteral("Provino book fotografico");
    page.page = a4Page(QPageLayout::Portrait, sheetMargin);
    page.objects << textBox(QStringLiteral("txtNome"), QRectF(0, 0, 140, 7), QString(),
        reportFont(QStringLiteral("Arial"), 12, true), royalBlue, Qt::AlignLeft | Qt::AlignVCenter);
    page.objects << textBox(QStringLiteral("txtPagina"), QRectF(140, 0, 50, 7), QString(),
        reportFont(QStringLiteral("Arial"), 8), Qt::black, Qt::AlignRight | Qt::AlignVCenter);
    page.objects << rectangle(QStringLiteral("shpRiga"), QRectF(0, 8, sheetWidth, 0.5), royalBlue, royalBlue);

    const qreal printableHeight = page.page.paintRect(QPageLayout::Millimeter).height();
    sheet.columns = columnCount;
    sheet.rows = rowCount;
    sheet.gridOrigin = QPointF(0, gridTop);
    sheet.cellSize = QSizeF(sheetWidth / columnCount, (printableHeight - gridTop) / rowCount);

    const qreal w = sheet.cellSize.width();
    const QFont caption = reportFont(QStringLiteral("Arial"), 7);
    sheet.cell << rectangle(QStringLiteral("shpCornice"), QRectF(0.75, 0.75, w - 1.5, 42), frameFill, frameOutline);
    sheet.cell << pictureBox(QStringLiteral("imgFoto"), QRectF(1.5, 1.5, w - 3, 40.5));
    sheet.cell << textBox(QStringLiteral("txtPosizione"), QRectF(0.75, 43.6, 20, 3.8), QString(),
        reportFont(QStringLiteral("Arial"), 7, true), royalBlue, Qt::AlignLeft | Qt::AlignVCenter);
    sheet.cell << textBox(QStringLiteral("txtData"), QRectF(21, 43.6, w - 21.75, 3.8), QString(), caption, Qt::black,
        Qt::AlignRight | Qt::AlignVCenter);
    sheet.cell << textBox(QStringLiteral("txtTitolo"), QRectF(0.75, 47.6, w - 1.5, 3.8), QString(), caption, Qt::black,
        Qt::AlignLeft | Qt::AlignVCenter);
    return sheet;
}

} // namespace lumidex::report
