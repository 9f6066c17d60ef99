#include "editing/FieldValidator.h"

#include "storage/TextField.h"

namespace lumidex {

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    // A character outside the basic plane is two UTF-16 units but one "?": the
    // cursor moves back by one for each such pair in front of it.
    int cursor = pos;
    for (int i = 0; i + 1 < pos && i + 1 < input.size(); ++i) {
        if (input[i].isHighSurrogate() && input[i + 1].isLowSurrogate()) {
            --cursor;
            ++i;
        }
    }
    input = textfield::storableForm(input);
    pos = qBound(0, cursor, int(input.size()));
    return Acceptable;
}

} // namespace lumidex
