#include "editing/CardChanges.h"

#include "common/Text.h"

namespace lumidex {

bool cardChanged(const CardState& loaded, const CardState& shown)
{
    const qsizetype count = qMax(loaded.values.size(), shown.values.size());
    for (qsizetype i = 0; i < count; ++i) {
        // A value one side lacks is an empty one.
        if (text::trimmedView(loaded.values.value(i)) != text::trimmedView(shown.values.value(i)))
            return true;
    }
    if (loaded.placeholderPhoto != shown.placeholderPhoto)
        return true;
    // The same picture still on show compares at once: QImage first compares
    // what the two share.
    return !shown.placeholderPhoto && loaded.photo != shown.photo;
}

} // namespace lumidex
