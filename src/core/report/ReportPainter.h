#pragma once

#include "report/ReportLayout.h"

#include <QPointF>
#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace lumidex::report {

// From the report's millimetres to a device's pixels. The painter's origin is
// the device's printable corner; when the device's margins came out other than
// the report's (a printer rounds them to its own steps, or has wider ones), the
// objects are moved so that they keep their places on the paper.
class DeviceMapping {
public:
    DeviceMapping(const QPagedPaintDevice& device, const QPageLayout& reportPage);

    QRectF toDevice(const QRectF& millimetres) const;
    qreal dpi() const { return m_dpiY; }
    // One report unit (1/96 inch) in device pixels: the width of an outline.
    qreal unitWidth() const { return m_dpiX / 96.0; }

private:
    qreal m_dpiX;
    qreal m_dpiY;
    QPointF m_origin;
};

// Paints one composed object. Fonts keep their sizes in points on the device;
// texts print literally, on one line (a listing: one line per text line), and
// only what lies inside the box shows. False when a picture could not be
// prepared for the device.
[[nodiscard]] bool paintObject(
    QPainter& painter, const QPagedPaintDevice& device, const DeviceMapping& mapping, const ReportObject& object);

// Paints a page's objects, placed on the printable area of `reportPage`, in
// order. False when one of them could not be painted.
[[nodiscard]] bool paintObjects(QPainter& painter, const QPagedPaintDevice& device, const QPageLayout& reportPage,
    const QList<ReportObject>& objects);

} // namespace lumidex::report
