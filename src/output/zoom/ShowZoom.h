#pragma once

class QImage;
class QWidget;

namespace lumidex {

// Shows `picture` as large as the screen allows, until the user clicks it.
void showZoom(QWidget* owner, const QImage& picture);

} // namespace lumidex
