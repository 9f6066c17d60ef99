#include "editor/CardEditor.h"

namespace lumidex {

void CardEditor::cmdEsportaClick() { }

} // namespace lumidex
