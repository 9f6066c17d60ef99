#include "gui/editor/CardEditor.h"

#include "gui/slideshow/ShowSlideshow.h"

namespace lumidex {

void CardEditor::cmdSlideshowClick()
{
    // A book slideshow runs over this editor's book: its file and the name its
    // photos carry.
    showSlideshow(this, programDir(), kind(), bookName(), archivePath());
}

} // namespace lumidex
