#include "gui/editor/CardEditor.h"

#include "gui/export/OpenExport.h"

namespace lumidex {

void CardEditor::cmdEsportaClick()
{
    openExport(this, kind(), programDir(), archivePath());
}

} // namespace lumidex
