#pragma once

#include "gui/export/ExportWindow.h"
#include "storage/ProgramFolder.h"

namespace lumidex {

// Exports the registry archive of the program folder to "Archivio_Anagrafico.xls".
class TfrmExpAnagrafica : public ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(const QString& programDir, QWidget* parent = nullptr)
        : ExportWindow(ArchiveKind::Registry, QStringLiteral("frmExpAnagrafica"), programDir,
            programfolder::registryArchivePath(programDir), parent)
    { }
};

} // namespace lumidex
