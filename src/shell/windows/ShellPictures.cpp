#include "shell/windows/ShellPictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace lumidex {

QPixmap shellPixmap(const QString& resource, const QSize& size)
{
    // Drawn at the screen's pixel density, so the artwork stays sharp on a
    // high-resolution display.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer renderer(resource);
    if (renderer.isValid())
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QLabel* makePicture(QWidget* parent, const QString& objectName, const QString& resource, const QSize& size)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFixedSize(size);
    label->setPixmap(shellPixmap(resource, size));
    return label;
}

} // namespace lumidex
