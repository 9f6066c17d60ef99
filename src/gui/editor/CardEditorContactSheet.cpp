#include "gui/editor/CardEditor.h"

#include "gui/contactsheet/PrintContactSheet.h"
#include "kinds/ArchiveProfile.h"

namespace lumidex {

void CardEditor::cmdProvinoClick()
{
    if (!isBook(kind()))
        return;
    // Entries without a photo of their own show what this editor shows for them.
    printContactSheet(this, archivePath(), { bookName(), programDir(), profile().photoFolder, photo().placeholder() });
}

} // namespace lumidex
