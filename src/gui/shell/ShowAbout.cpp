#include "gui/shell/ShowAbout.h"

#include "gui/shell/TfrmInfo.h"
#include "gui/shell/TfrmSplash.h"
#include "ui/Interaction.h"

namespace lumidex {

void showInformation(QWidget* owner)
{
    TfrmInfo frmInfo(owner);
    interaction().runDialog(frmInfo);
}

void showCredits(QWidget* owner)
{
    TfrmSplash frmSplash(owner);
    interaction().runDialog(frmSplash);
}

} // namespace lumidex
