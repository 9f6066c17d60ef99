#include "editor/CardEditor.h"

namespace lumidex {

void CardEditor::cmdSlideshowClick() { }

} // namespace lumidex
