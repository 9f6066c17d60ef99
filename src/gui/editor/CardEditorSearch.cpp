#include "gui/editor/CardEditor.h"

#include "gui/search/FindCard.h"

namespace lumidex {

void CardEditor::cmdTrovaClick()
{
    if (const std::optional<Card> chosen = findCard(this, kind(), archivePath()))
        showStoredCard(*chosen);
}

} // namespace lumidex
