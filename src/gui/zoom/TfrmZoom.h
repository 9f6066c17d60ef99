#pragma once

#include "ui/PictureScreen.h"

namespace lumidex {

// The photo an editor shows, as large as the screen allows: a copy of the
// picture the editor displays, its placeholder included; the photo file is not
// read again.
class TfrmZoom : public PictureScreen {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* parent = nullptr)
        : PictureScreen(
            QStringLiteral("frmZoom"), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"), parent)
    { }
};

} // namespace lumidex
