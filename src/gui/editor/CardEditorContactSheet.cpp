#include "gui/editor/CardEditor.h"

#include "kinds/Side.h"
#include "gui/contactsheet/PrintContactSheet.h"

namespace lumidex {

void CardEditor::cmdProvinoClick()
{
    const Side* side = bookSide();
    if (!side)
        return;
    // Entries without a photo of their own show what this editor shows for them.
    printContactSheet(this, archivePath(), { bookName(), programDir(), side->photoFolder, photo().placeholder() });
}

} // namespace lumidex
