#pragma once

#include "gui/slideshow/SlideshowWindow.h"

namespace lumidex {

// The slideshow of the registry archive's photos.
class TfrmSlideshow_Anagrafica : public SlideshowWindow {
    Q_OBJECT
public:
    TfrmSlideshow_Anagrafica(const QString& programDir, QWidget* parent = nullptr)
        : SlideshowWindow(programDir, ArchiveKind::Registry, QStringLiteral("frmSlideshow_Anagrafica"), parent)
    { }
};

} // namespace lumidex
