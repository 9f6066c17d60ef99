#include "gui/editor/CardEditor.h"

#include "gui/export/OpenExport.h"

namespace lumidex {

void CardEditor::cmdEsportaClick()
{
    if (const Side* side = bookSide())
        openBookExport(this, programDir(), *side, archivePath());
    else
        openRegistryExport(this, programDir());
}

} // namespace lumidex
