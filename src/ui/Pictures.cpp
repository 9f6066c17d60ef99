#include "ui/Pictures.h"

#include "common/FitToFrame.h"

#include "common/Formatting.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace lumidex {

namespace {

// The one place the program's artwork is drawn, vector or bitmap alike.
void paintPicture(QPainter& painter, const QString& resource, const QSize& size)
{
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
}

} // namespace

QImage renderPicture(const QString& resource, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPicture(painter, resource, size);
    return image;
}

QPixmap picturePixmap(const QString& resource, const QSize& size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintPicture(painter, resource, size);
    return pixmap;
}

QLabel* makePicture(QWidget* parent, const QString& objectName, const QString& resource, const QSize& size)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFixedSize(size);
    label->setPixmap(picturePixmap(resource, size));
    return label;
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
