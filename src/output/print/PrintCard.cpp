#include "output/print/PrintCard.h"

#include "books/Side.h"
#include "output/print/TfrmAnteprimaAnagrafica.h"
#include "output/print/TfrmAnteprimaBookDonne.h"
#include "output/print/TfrmAnteprimaBookUomini.h"
#include "output/print/TfrmStampaAnagrafica.h"
#include "output/print/TfrmStampaBookDonne.h"
#include "output/print/TfrmStampaBookUomini.h"
#include "ui/Interaction.h"

namespace lumidex {

namespace {

template <class Window> void runCardWindow(QWidget* owner, const report::CardValues& card)
{
    Window window(owner);
    window.setCard(card);
    interaction().runDialog(window);
}

bool isMen(const Side& side)
{
    return side.bookMarker == Side::men().bookMarker;
}

} // namespace

void printCard(QWidget* owner, const Side* side, const report::CardValues& card)
{
    if (!side)
        runCardWindow<TfrmStampaAnagrafica>(owner, card);
    else if (isMen(*side))
        runCardWindow<TfrmStampaBookUomini>(owner, card);
    else
        runCardWindow<TfrmStampaBookDonne>(owner, card);
}

void previewCard(QWidget* owner, const Side* side, const report::CardValues& card)
{
    if (!side)
        runCardWindow<TfrmAnteprimaAnagrafica>(owner, card);
    else if (isMen(*side))
        runCardWindow<TfrmAnteprimaBookUomini>(owner, card);
    else
        runCardWindow<TfrmAnteprimaBookDonne>(owner, card);
}

} // namespace lumidex
