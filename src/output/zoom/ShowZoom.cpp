#include "output/zoom/ShowZoom.h"

#include "output/zoom/TfrmZoom.h"
#include "ui/Interaction.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumidex {

void showZoom(QWidget* owner, const QImage& picture)
{
    TfrmZoom zoom(owner);
    zoom.setPicture(picture);
    interaction().runDialog(zoom);
}

QSize zoomPictureSize(const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return (QSizeF(TfrmZoom::pictureArea(screen->size())) * screen->devicePixelRatio()).toSize();
}

} // namespace lumidex
