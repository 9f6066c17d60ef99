#pragma once

#include <QStringList>

namespace lumidex {

// A card of an archive: where it lies (its 1-based position) and its values in
// record order. Whatever a caller needs beside it (how many cards the archive
// held, the marker a dialog worked under) travels next to it, not inside.
struct Card {
    int position = 0;
    QStringList values;
};

} // namespace lumidex
