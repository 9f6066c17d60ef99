#include "gui/shell/ShowHelp.h"

#include "gui/shell/TfrmGuida.h"
#include "ui/Interaction.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace lumidex {

void showHelp(QWidget* parent, const QString& programDir, HelpPage page)
{
    TfrmGuida frmGuida(programDir, parent);
    frmGuida.lblTitolo->setText(help::title(page));
    frmGuida.txtGuida->setPlainText(help::body(page));
    interaction().runDialog(frmGuida);
}

} // namespace lumidex
