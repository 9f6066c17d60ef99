#pragma once

namespace lumidex {

// What one tick of a slideshow does, from the position it shows and the number of
// cards in the archive. The photos follow the cards in file order; after the last
// one the position turns to 0 for one interval, so the last photo stays twice as
// long, and the next tick starts again with the first card.
struct SlideshowStep {
    enum class Kind {
        EmptyArchive, // "L'archivio non contiene nessuna scheda.", the window closes
        ShowCard, // read the card at `position` and show its photo
        StartOver, // the position turns to 0, the photo stays
        Nothing, // a position past the end: nothing changes
    };
    Kind kind = Kind::Nothing;
    int position = 0;
};

// `shown` is the position of the photo on screen, 0 before the first card of a cycle.
SlideshowStep decideSlideshowStep(int shown, int cardCount);

// The card whose photo the tick after this one will show, so that it can be
// decoded ahead; 0 when the next tick shows none.
int cardAfter(const SlideshowStep& step, int cardCount);

} // namespace lumidex
