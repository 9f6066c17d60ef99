#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

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

VisibleText visiblePart(const QString& line, const QFontMetricsF& metrics, const QRectF& area, Qt::Alignment alignment)
{
    const qreal width = metrics.horizontalAdvance(line);
    qreal start = area.left();
    if (alignment & Qt::AlignHCenter)
        start = area.left() + (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        start = area.right() - width;
    if (width <= area.width())
        return { line, start };

    qsizetype first = -1;
    qsizetype end = 0;
    qreal firstX = start;
    qreal before = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i).isLowSurrogate())
            continue;
        const qsizetype next = (line.at(i).isHighSurrogate() && i + 1 < line.size()) ? i + 2 : i + 1;
        const qreal after = metrics.horizontalAdvance(line.left(next));
        const bool showsSome = start + after > area.left() && start + before < area.right();
        if (showsSome) {
            if (first < 0) {
                first = i;
                firstX = start + before;
            }
            end = next;
        }
        before = after;
    }
    if (first < 0)
        return {};
    return { line.mid(first, end - first), firstX };
}

void paintLine(
    QPainter& painter, const QFontMetricsF& metrics, const QRectF& area, const QString& line, Qt::Alignment alignment)
{
    const VisibleText shown = visiblePart(line, metrics, area, alignment);
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
            paintLine(painter, metrics, lineArea, oneLine(object.lines.at(i)), object.alignment);
        }
    } else {
        paintLine(painter, metrics, area, oneLine(object.text), object.alignment);
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

bool paintPicture(QPainter& painter, const DeviceMapping& mapping, const ReportObject& object, const QRectF& area)
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
