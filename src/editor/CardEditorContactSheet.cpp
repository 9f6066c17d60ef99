#include "editor/CardEditor.h"

#include "books/Side.h"
#include "output/contactsheet/PrintContactSheet.h"

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
