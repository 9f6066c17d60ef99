#include "output/zoom/ShowZoom.h"

#include "output/zoom/TfrmZoom.h"
#include "ui/Interaction.h"

namespace lumidex {

void showZoom(QWidget* owner, const QImage& picture)
{
    TfrmZoom zoom(owner);
    zoom.setPicture(picture);
    interaction().runDialog(zoom);
}

} // namespace lumidex
