#include "editor/CardEditor.h"

namespace lumidex {

void CardEditor::cmdTrovaClick() { }

} // namespace lumidex
