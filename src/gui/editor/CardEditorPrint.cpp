#include "gui/editor/CardEditor.h"

#include "gui/print/PrintCard.h"

#include <QSize>

namespace lumidex {

namespace {

// What the print windows take of the card: exactly what the editor shows now,
// saved or not, with its photo decoded at the size it prints at.
report::CardValues shownCard(const CardEditor& editor)
{
    return { editor.currentValues(), editor.bookName(),
        editor.photo().pictureFitting(printedPhotoSize(editor.kind())) };
}

} // namespace

void CardEditor::cmdStampaClick()
{
    printCard(this, kind(), shownCard(*this));
}

void CardEditor::cmdAnteprimaClick()
{
    previewCard(this, kind(), shownCard(*this));
}

} // namespace lumidex
