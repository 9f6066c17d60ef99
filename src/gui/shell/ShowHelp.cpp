#include "gui/shell/ShowHelp.h"

#include "gui/shell/TfrmGuida.h"
#include "ui/Interaction.h"

namespace lumidex {

void showHelp(QWidget* parent, const QString& programDir, HelpPage page)
{
    TfrmGuida frmGuida(programDir, parent);
    frmGuida.showPage(help::title(page), help::body(page));
    interaction().runDialog(frmGuida);
}

} // namespace lumidex
