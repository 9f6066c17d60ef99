#include "editor/CardEditor.h"

#include "output/print/PrintCard.h"

namespace lumidex {

namespace {

// What the print windows take of the card: exactly what the editor shows now,
// saved or not.
report::CardValues shownCard(const CardEditor& editor)
{
    return { editor.currentValues(), editor.bookName(), editor.photo().image() };
}

} // namespace

void CardEditor::cmdStampaClick()
{
    printCard(this, bookSide(), shownCard(*this));
}

void CardEditor::cmdAnteprimaClick()
{
    previewCard(this, bookSide(), shownCard(*this));
}

} // namespace lumidex
