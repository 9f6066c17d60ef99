#include "editing/Navigation.h"

#include "common/Text.h"

#include "storage/TextField.h"

namespace lumidex {

int positionOf(const QString& positionLabel)
{
    return text::trimmed(positionLabel).toInt();
}

MoveDecision decideMove(Move move, const QString& positionLabel, int recordCount)
{
    using Kind = MoveDecision::Kind;
    const QString label = text::trimmed(positionLabel);
    const int position = positionOf(label);

    switch (move) {
    case Move::First:
        if (recordCount == 0)
            return { Kind::EmptyArchive };
        return { Kind::Show, 1 };
    case Move::Last:
        if (recordCount == 0)
            return { Kind::EmptyArchive };
        return { Kind::Show, recordCount };
    case Move::Previous:
        // The first card stays put even if the archive has since been emptied.
        if (label == QLatin1String("1"))
            return { Kind::Nothing };
        if (recordCount == 0)
            return { Kind::EmptyArchive };
        if (label.isEmpty())
            return { Kind::Show, 1 };
        return { Kind::Show, position - 1 };
    case Move::Next:
        if (recordCount == 0)
            return { Kind::EmptyArchive, 0, true };
        if (position >= recordCount)
            return { Kind::Nothing };
        return { Kind::Show, position + 1 };
    }
    return {};
}

} // namespace lumidex
