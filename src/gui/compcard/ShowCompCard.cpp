#include "gui/compcard/ShowCompCard.h"

#include "gui/compcard/TfrmCompCard.h"
#include "ui/Interaction.h"

namespace lumidex {

void showCompCard(QWidget* owner, const QString& programDir, const report::CompCardValues& card)
{
    TfrmCompCard window(owner);
    window.setCard(programDir, card);
    interaction().runDialog(window);
}

} // namespace lumidex
