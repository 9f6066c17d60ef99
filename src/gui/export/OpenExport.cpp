#include "gui/export/OpenExport.h"

#include "kinds/Side.h"
#include "gui/export/TfrmExpAnagrafica.h"
#include "gui/export/TfrmExpBookDonne.h"
#include "gui/export/TfrmExpBookUomini.h"
#include "ui/Interaction.h"

namespace lumidex {

void openRegistryExport(QWidget* owner, const QString& programDir)
{
    TfrmExpAnagrafica frmExpAnagrafica(programDir, owner);
    interaction().runDialog(frmExpAnagrafica);
}

void openBookExport(QWidget* owner, const QString& programDir, const Side& side, const QString& bookPath)
{
    if (side.bookMarker == Side::men().bookMarker) {
        TfrmExpBookUomini frmExpBookUomini(programDir, bookPath, owner);
        interaction().runDialog(frmExpBookUomini);
    } else {
        TfrmExpBookDonne frmExpBookDonne(programDir, bookPath, owner);
        interaction().runDialog(frmExpBookDonne);
    }
}

} // namespace lumidex
