#include "shell/windows/ShowAbout.h"

#include "shell/windows/TfrmInfo.h"
#include "shell/windows/TfrmSplash.h"
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
