#include "gui/editor/CardEditor.h"

#include "gui/package/MakeGallery.h"
#include "gui/package/ShowPackage.h"
#include "kinds/ArchiveProfile.h"

namespace lumidex {

void CardEditor::cmdPacchettoClick()
{
    if (profile().webOutput == WebOutput::Package)
        showPackage(this, programDir());
}

void CardEditor::cmdGalleriaClick()
{
    if (profile().webOutput == WebOutput::Gallery)
        makeGallery(this, programDir(), kind(), bookName(), archivePath());
}

} // namespace lumidex
