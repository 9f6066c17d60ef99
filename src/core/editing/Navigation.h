#pragma once

#include <QString>

namespace lumidex {

enum class Move { First, Previous, Next, Last };

// What a navigation button does, given the position label and the number of
// records. Both editors browse the same way: no wrap-around at either end, and
// Previous or Next from a new card lands on the first card.
struct MoveDecision {
    enum class Kind {
        Nothing, // stay on the card, no message
        EmptyArchive, // "L'archivio non contiene nessuna scheda."
        Show, // fill the card from `position`
    };
    Kind kind = Kind::Nothing;
    int position = 0;
    // Next on an empty archive turns the card into a new one.
    bool clearPosition = false;
};

MoveDecision decideMove(Move move, const QString& positionLabel, int recordCount);

// The position shown in a label: 0 for a new card (empty label).
int positionOf(const QString& positionLabel);

} // namespace lumidex
