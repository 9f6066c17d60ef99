#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace lumidex::report {

namespace {

constexpr qreal millimetresPerInch = 25.4;

// Where a line of text starts, and the part of it that shows inside `area`: a
// text longer than its box is cut at the box's edges, and the characters wholly
// outside are left out altogether, so that a PDF holds only the printed words.
struct VisibleText {
    QString text;
    qreal x = 0;
};

// Where each character of a line ends, from one shaping of the whole line: a
// listing of a hundred thousand long lines is cut without measuring every
// beginning of every line again.
class ShapedLine {
public:
    ShapedLine(const QString& text, const QFont& font, const QPaintDevice& device)
        : m_layout(text, font, &device)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        m_line = m_layout.createLine();
        m_layout.endLayout();
    }

    // The width of the characters before position `position`.
    qreal advance(qsizetype position) const { return m_line.cursorToX(int(position)); }

private:
    QTextLayout m_layout;
    QTextLine m_line;
};

// The first position in [0, size] for which `past` holds, `past` being false up
// to some position and true from there on.
template <typename Past> qsizetype firstPast(qsizetype size, Past past)
{
    qsizetype low = 0;
    qsizetype high = size;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (past(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

VisibleText visiblePart(const QString& line, const QFontMetricsF& metrics, const QFont& font,
    const QPaintDevice& device, const QRectF& area, Qt::Alignment alignment)
{
    const qreal width = metrics.horizontalAdvance(line);
    qreal start = area.left();
    if (alignment & Qt::AlignHCenter)
        start = area.left() + (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        start = area.right() - width;
    if (width <= area.width())
        return { line, start };

    // A character shows when it ends right of the box's left edge and begins
    // left of its right edge; the text runs left to right, so the characters
    // that show are one stretch.
    const ShapedLine shaped(line, font, device);
    qsizetype first = firstPast(line.size(), [&](qsizetype i) { return start + shaped.advance(i + 1) > area.left(); });
    qsizetype end = firstPast(line.size(), [&](qsizetype i) { return start + shaped.advance(i) >= area.right(); });
    // A character outside the Basic Multilingual Plane is kept or left out whole.
    if (first > 0 && first < line.size() && line.at(first).isLowSurrogate())
        --first;
    if (end > 0 && end < line.size() && line.at(end).isLowSurrogate())
        ++end;
    if (first >= end)
        return {};
    return { line.mid(first, end - first), start + shaped.advance(first) };
}

void paintLine(QPainter& painter, const QFontMetricsF& metrics, const QFont& font, const QPaintDevice& device,
    const QRectF& area, const QString& line, Qt::Alignment alignment)
{
    const VisibleText shown = visiblePart(line, metrics, font, device, area, alignment);
    if (shown.text.isEmpty())
        return;
    const qreal textHeight = metrics.ascent() + metrics.descent();
    qreal baseline = area.top() + metrics.ascent();
    if (alignment & Qt::AlignVCenter)
        baseline = area.top() + (area.height() - textHeight) / 2 + metrics.ascent();
    else if (alignment & Qt::AlignBottom)
        baseline = area.bottom() - metrics.descent();
    painter.drawText(QPointF(shown.x, baseline), shown.text);
}

// A box prints its text on one line: line breaks and tabs in a value are blanks.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    return text;
}

void paintText(QPainter& painter, const QPagedPaintDevice& device, const DeviceMapping& mapping,
    const ReportObject& object, const QRectF& area)
{
    if (object.fill.isValid())
        painter.fillRect(area, object.fill);
    const bool listing = object.linePitch > 0;
    if (listing ? object.lines.isEmpty() : object.text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setFont(object.font);
    painter.setPen(object.colour);
    const QFontMetricsF metrics(object.font, &device);
    if (listing) {
        const qreal pitch = object.linePitch * mapping.dpi() / millimetresPerInch;
        for (qsizetype i = 0; i < object.lines.size(); ++i) {
            const QRectF lineArea(area.left(), area.top() + i * pitch, area.width(), pitch);
            paintLine(painter, metrics, object.font, device, lineArea, oneLine(object.lines.at(i)), object.alignment);
        }
    } else {
        paintLine(painter, metrics, object.font, device, area, oneLine(object.text), object.alignment);
    }
    painter.restore();
}

void paintRectangle(QPainter& painter, const DeviceMapping& mapping, const ReportObject& object, const QRectF& area)
{
    painter.save();
    painter.setPen(QPen(object.outline.isValid() ? object.outline : QColor(Qt::black), mapping.unitWidth()));
    painter.setBrush(object.fill.isValid() ? QBrush(object.fill) : QBrush(Qt::NoBrush));
    painter.drawRect(area);
    painter.restore();
}

[[nodiscard]] bool paintPicture(
    QPainter& painter, const DeviceMapping& mapping, const ReportObject& object, const QRectF& area)
{
    if (object.picture.isNull())
        return true;
    const QImage printable = printablePicture(object.picture, object.box.size(), qMin(mapping.dpi(), finestPictureDpi));
    if (printable.isNull())
        return false;
    const QSizeF source = object.picture.size();
    const qreal scale = qMin(area.width() / source.width(), area.height() / source.height());
    QRectF target(QPointF(0, 0), source * scale);
    target.moveCenter(area.center());
    painter.drawImage(target, printable);
    return true;
}

} // namespace

DeviceMapping::DeviceMapping(const QPagedPaintDevice& device, const QPageLayout& reportPage)
    : m_dpiX(device.logicalDpiX())
    , m_dpiY(device.logicalDpiY())
{
    const int resolution = device.logicalDpiY();
    const QPageLayout devicePage = device.pageLayout();
    const QPoint painterOrigin = devicePage.mode() == QPageLayout::FullPageMode
        ? QPoint(0, 0)
        : devicePage.paintRectPixels(resolution).topLeft();
    const QMarginsF margins = reportPage.margins(QPageLayout::Millimeter);
    const QPointF reportOrigin(
        margins.left() * m_dpiX / millimetresPerInch, margins.top() * m_dpiY / millimetresPerInch);
    m_origin = reportOrigin - QPointF(painterOrigin);
}

QRectF DeviceMapping::toDevice(const QRectF& millimetres) const
{
    return QRectF(m_origin.x() + millimetres.left() * m_dpiX / millimetresPerInch,
        m_origin.y() + millimetres.top() * m_dpiY / millimetresPerInch,
        millimetres.width() * m_dpiX / millimetresPerInch, millimetres.height() * m_dpiY / millimetresPerInch);
}

bool paintObject(
    QPainter& painter, const QPagedPaintDevice& device, const DeviceMapping& mapping, const ReportObject& object)
{
    const QRectF area = mapping.toDevice(object.box);
    switch (object.kind) {
    case ObjectKind::Text:
        paintText(painter, device, mapping, object, area);
        return true;
    case ObjectKind::Rectangle:
        paintRectangle(painter, mapping, object, area);
        return true;
    case ObjectKind::Picture:
        return paintPicture(painter, mapping, object, area);
    }
    return true;
}

bool paintObjects(QPainter& painter, const QPagedPaintDevice& device, const QPageLayout& reportPage,
    const QList<ReportObject>& objects)
{
    const DeviceMapping mapping(device, reportPage);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const ReportObject& object : objects)
        if (!paintObject(painter, device, mapping, object))
            return false;
    return true;
}

} // namespace lumidex::report
