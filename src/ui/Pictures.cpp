#include "ui/Pictures.h"

#include "common/FitToFrame.h"

#include "common/Formatting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace lumidex {

QImage renderPicture(const QString& resource, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(resource);
        if (renderer.isValid())
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    } else {
        const QImage source(resource);
        if (!source.isNull())
            painter.drawImage(QRect(QPoint(0, 0), size), source);
    }
    return image;
}

QPixmap fittedPixmap(const QImage& picture, const QSize& frame, qreal devicePixelRatio)
{
    const QSize shown = fitInto(picture.size(), (QSizeF(frame) * devicePixelRatio).toSize());
    if (shown.isEmpty())
        return {};
    QPixmap pixmap = QPixmap::fromImage(picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void paintVerticalGradient(QWidget* window, const QColor& top, const QColor& bottom)
{
    QPainter painter(window);
    QLinearGradient gradient(0, 0, 0, window->height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(window->rect(), gradient);
}

} // namespace lumidex
