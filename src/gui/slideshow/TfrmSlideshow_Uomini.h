#pragma once

#include "gui/slideshow/SlideshowWindow.h"

namespace lumidex {

// The slideshow of the men's book open in the men's book editor.
class TfrmSlideshow_Uomini : public SlideshowWindow {
    Q_OBJECT
public:
    TfrmSlideshow_Uomini(const QString& programDir, QWidget* parent = nullptr)
        : SlideshowWindow(programDir, ArchiveKind::MenBook, QStringLiteral("frmSlideshow_Uomini"), parent)
    { }
};

} // namespace lumidex
