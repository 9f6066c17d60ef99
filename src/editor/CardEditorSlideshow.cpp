#include "editor/CardEditor.h"

#include "books/BookEditor.h"
#include "output/slideshow/ShowSlideshow.h"

#include <QLabel>

namespace lumidex {

void CardEditor::cmdSlideshowClick()
{
    // A book slideshow runs over this editor's book: its file and the name its
    // photos carry.
    if (const auto* book = qobject_cast<const BookEditor*>(this))
        showSlideshow(this, programDir(), bookSide(), book->lblNome->text(), book->lblFile->text());
    else
        showSlideshow(this, programDir(), nullptr);
}

} // namespace lumidex
