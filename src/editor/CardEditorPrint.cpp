#include "editor/CardEditor.h"

namespace lumidex {

void CardEditor::cmdStampaClick() { }

void CardEditor::cmdAnteprimaClick() { }

} // namespace lumidex
