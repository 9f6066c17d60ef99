#include "editor/CardEditor.h"

namespace lumidex {

void CardEditor::cmdFileClick() { }

} // namespace lumidex
