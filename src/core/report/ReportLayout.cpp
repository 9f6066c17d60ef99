#include "report/ReportLayout.h"

#include "common/FitToFrame.h"

#include <QMarginsF>
#include <QPageSize>
#include <cmath>

namespace lumidex::report {

namespace {

bool sameName(const QString& name, QStringView wanted)
{
    return QStringView(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

ReportObject* ReportLayout::find(QStringView objectName)
{
    for (ReportObject& object : objects)
        if (sameName(object.name, objectName))
            return &object;
    for (ReportBand& b : bands)
        for (ReportObject& object : b.objects)
            if (sameName(object.name, objectName))
                return &object;
    return nullptr;
}

const ReportObject* ReportLayout::find(QStringView objectName) const
{
    return const_cast<ReportLayout*>(this)->find(objectName);
}

ReportBand* ReportLayout::band(BandKind kind)
{
    for (ReportBand& b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

bool ReportLayout::setText(QStringView objectName, const QString& text)
{
    ReportObject* object = find(objectName);
    if (!object || object->kind != ObjectKind::Text)
        return false;
    object->text = text;
    return true;
}

bool ReportLayout::setPicture(QStringView objectName, const QImage& picture)
{
    ReportObject* object = find(objectName);
    if (!object || object->kind != ObjectKind::Picture)
        return false;
    const QImage printable = printablePicture(picture, object->box.size(), finestPictureDpi);
    if (printable.isNull() && !picture.isNull())
        return false;
    object->picture = printable;
    return true;
}

QImage printablePicture(const QImage& picture, const QSizeF& boxMm, qreal dpi)
{
    if (picture.isNull())
        return {};
    const QSize target = fitInto(picture.size(), boxPixels(boxMm, dpi));
    if (target.width() >= picture.width() || target.height() >= picture.height())
        return picture;
    return picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize boxPixels(const QSizeF& boxMm, qreal dpi)
{
    return QSize(
        qMax(1, int(std::ceil(boxMm.width() * dpi / 25.4))), qMax(1, int(std::ceil(boxMm.height() * dpi / 25.4))));
}

QPageLayout a4Page(QPageLayout::Orientation orientation, qreal marginMm)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(marginMm, marginMm, marginMm, marginMm),
        QPageLayout::Millimeter);
}

QFont reportFont(const QString& family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Printed words are read back by people searching a PDF: no ligatures, which
    // the stand-in faces of some systems would otherwise put in.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

ReportObject textBox(const QString& name, const QRectF& box, const QString& text, const QFont& font,
    const QColor& colour, Qt::Alignment alignment)
{
    ReportObject object;
    object.kind = ObjectKind::Text;
    object.name = name;
    object.box = box;
    object.text = text;
    object.font = font;
    object.colour = colour;
    object.alignment = alignment;
    return object;
}

ReportObject rectangle(const QString& name, const QRectF& box, const QColor& fill, const QColor& outline)
{
    ReportObject object;
    object.kind = ObjectKind::Rectangle;
    object.name = name;
    object.box = box;
    object.fill = fill;
    object.outline = outline;
    return object;
}

ReportObject pictureBox(const QString& name, const QRectF& box)
{
    ReportObject object;
    object.kind = ObjectKind::Picture;
    object.name = name;
    object.box = box;
    return object;
}

} // namespace lumidex::report
