#include "gui/editor/CardEditor.h"

#include "gui/search/FindCard.h"

namespace lumidex {

void CardEditor::cmdTrovaClick()
{
    const std::optional<ChosenCard> chosen = findCard(this, bookSide(), archivePath(), cardMarker());
    // A card chosen under another editor's marker is not this editor's to show.
    if (chosen && chosen->marker == cardMarker())
        showRecord(chosen->position, chosen->values);
}

} // namespace lumidex
