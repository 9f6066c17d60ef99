#pragma once

#include "kinds/ArchiveKind.h"

#include <QString>

class QWidget;

namespace lumidex {

// Runs the slideshow of `kind`, owned by the editor that opens it, until the
// user closes it. A book slideshow gets the book's name and file, trimmed; the
// registry's runs over the registry archive of `programDir` and takes neither.
void showSlideshow(QWidget* owner, const QString& programDir, ArchiveKind kind, const QString& bookName = {},
    const QString& bookFile = {});

} // namespace lumidex
