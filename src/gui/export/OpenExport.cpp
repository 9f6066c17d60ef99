#include "gui/export/OpenExport.h"

#include "gui/export/TfrmExpAnagrafica.h"
#include "gui/export/TfrmExpBookDonne.h"
#include "gui/export/TfrmExpBookUomini.h"
#include "ui/Interaction.h"

namespace lumidex {

void openExport(QWidget* owner, ArchiveKind kind, const QString& programDir, const QString& archivePath)
{
    switch (kind) {
    case ArchiveKind::Registry: {
        TfrmExpAnagrafica frmExpAnagrafica(programDir, owner);
        interaction().runDialog(frmExpAnagrafica);
        return;
    }
    case ArchiveKind::MenBook: {
        TfrmExpBookUomini frmExpBookUomini(programDir, archivePath, owner);
        interaction().runDialog(frmExpBookUomini);
        return;
    }
    case ArchiveKind::WomenBook: {
        TfrmExpBookDonne frmExpBookDonne(programDir, archivePath, owner);
        interaction().runDialog(frmExpBookDonne);
        return;
    }
    }
}

} // namespace lumidex
