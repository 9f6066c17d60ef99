#pragma once

#include "kinds/ArchiveKind.h"

class QString;
class QWidget;

namespace lumidex {

// The export window of `kind`, owned by the editor that opens it and run until
// the user leaves it. A book's export reads `archivePath`, the book open in the
// editor; the registry's reads the registry archive of `programDir`. Nothing
// comes back to the editor.
void openExport(QWidget* owner, ArchiveKind kind, const QString& programDir, const QString& archivePath);

} // namespace lumidex
