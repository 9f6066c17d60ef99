#pragma once

#include <QImage>
#include <QStringList>

namespace lumidex {

// A card as an editor holds it: its texts in record order (the edit fields,
// then the attached files and their descriptions) and the photo it shows.
struct CardState {
    QStringList values;
    // The placeholder stands for "no photo of its own", whichever picture it is.
    bool placeholderPhoto = true;
    QImage photo;
};

// Whether the card `shown` holds work that `loaded` (the card as it was put on
// screen: read, started new, or just saved) does not: a Save would store
// something else. Texts count as the archive keeps them, without the blanks at
// either end, so a letter typed and taken back again is no change; photos count
// as pictures, so the same picture put back, or the placeholder shown again on
// a card without a photo, is no change either.
bool cardChanged(const CardState& loaded, const CardState& shown);

} // namespace lumidex
