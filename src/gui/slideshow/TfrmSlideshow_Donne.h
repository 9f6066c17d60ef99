#pragma once

#include "gui/slideshow/SlideshowWindow.h"

namespace lumidex {

// The slideshow of the women's book open in the women's book editor.
class TfrmSlideshow_Donne : public SlideshowWindow {
    Q_OBJECT
public:
    TfrmSlideshow_Donne(const QString& programDir, QWidget* parent = nullptr)
        : SlideshowWindow(programDir, ArchiveKind::WomenBook, QStringLiteral("frmSlideshow_Donne"), parent)
    { }
};

} // namespace lumidex
