#include "gui/print/PrintCard.h"

#include "kinds/Side.h"
#include "gui/print/TfrmAnteprimaAnagrafica.h"
#include "gui/print/TfrmAnteprimaBookDonne.h"
#include "gui/print/TfrmAnteprimaBookUomini.h"
#include "gui/print/TfrmStampaAnagrafica.h"
#include "gui/print/TfrmStampaBookDonne.h"
#include "gui/print/TfrmStampaBookUomini.h"
#include "ui/Interaction.h"

namespace lumidex {

namespace {

template <class Window> void runCardWindow(QWidget* owner, const report::CardValues& card)
{
    Window window(owner);
    window.setCard(card);
    interaction().runDialog(window);
}

// The window of the editor's kind among the three of one output.
template <class Registry, class Men, class Women>
void runWindowOf(QWidget* owner, const Side* side, const report::CardValues& card)
{
    if (!side)
        runCardWindow<Registry>(owner, card);
    else if (side->bookMarker == Side::men().bookMarker)
        runCardWindow<Men>(owner, card);
    else
        runCardWindow<Women>(owner, card);
}

} // namespace

QSize printedPhotoSize(const Side* side)
{
    return CardPrintWindow::printedPhotoSize(side ? report::CardKind::Book : report::CardKind::Registry);
}

void printCard(QWidget* owner, const Side* side, const report::CardValues& card)
{
    runWindowOf<TfrmStampaAnagrafica, TfrmStampaBookUomini, TfrmStampaBookDonne>(owner, side, card);
}

void previewCard(QWidget* owner, const Side* side, const report::CardValues& card)
{
    runWindowOf<TfrmAnteprimaAnagrafica, TfrmAnteprimaBookUomini, TfrmAnteprimaBookDonne>(owner, side, card);
}

} // namespace lumidex
