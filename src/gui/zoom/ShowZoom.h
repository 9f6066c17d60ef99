#pragma once

class QImage;
class QSize;
class QWidget;

namespace lumidex {

// Shows `picture` as large as the screen allows, until the user clicks it.
void showZoom(QWidget* owner, const QImage& picture);

// The most pixels the zoom shows a picture at on `owner`'s screen: a photo
// decoded at this size is shown without losing a pixel of sharpness.
QSize zoomPictureSize(const QWidget* owner);

} // namespace lumidex
