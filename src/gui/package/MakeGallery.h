#pragma once

#include "kinds/ArchiveKind.h"

#include <QString>

class QWidget;

namespace lumidex {

// Makes the web gallery of the book `bookName` of side `kind` (its archive at
// `bookPath`), with a progress window that can stop it, and offers to open it
// in the browser; every failure is told to the user over `owner`.
void makeGallery(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookPath);

} // namespace lumidex
