#pragma once

#include <QString>

class QWidget;

namespace lumidex {

struct Side;

// Runs the slideshow of the registry (no side) or of a book of `side`, owned by
// the editor that opens it, until the user closes it. A book slideshow gets the
// book's name and file, trimmed.
void showSlideshow(QWidget* owner, const QString& programDir, const Side* side, const QString& bookName = {},
    const QString& bookFile = {});

} // namespace lumidex
