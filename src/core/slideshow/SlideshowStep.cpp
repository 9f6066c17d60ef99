#include "slideshow/SlideshowStep.h"

namespace lumidex {

SlideshowStep decideSlideshowStep(int shown, int cardCount)
{
    using Kind = SlideshowStep::Kind;
    if (cardCount <= 0)
        return { Kind::EmptyArchive };
    if (shown < cardCount)
        return { Kind::ShowCard, shown + 1 };
    if (shown == cardCount)
        return { Kind::StartOver };
    return { Kind::Nothing };
}

int cardAfter(const SlideshowStep& step, int cardCount)
{
    switch (step.kind) {
    case SlideshowStep::Kind::ShowCard:
        // After the last card comes the held interval, then the first card.
        return step.position < cardCount ? step.position + 1 : 1;
    case SlideshowStep::Kind::StartOver:
        return 1;
    case SlideshowStep::Kind::EmptyArchive:
    case SlideshowStep::Kind::Nothing:
        break;
    }
    return 0;
}

} // namespace lumidex
