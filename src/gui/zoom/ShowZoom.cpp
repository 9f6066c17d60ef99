#include "gui/zoom/ShowZoom.h"

#include "gui/zoom/TfrmZoom.h"
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
    // The zoom fills the screen, less a margin of gradient: a picture of the
    // screen's pixels is as sharp as it can ever be shown.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
}

} // namespace lumidex
