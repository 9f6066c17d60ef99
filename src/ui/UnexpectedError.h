#pragma once

#include <QString>

namespace lumidex {

// The last resort for an error that no window handled: an error box with the
// error's own text, after which the program carries on.
void reportUnexpectedError(const QString& description);

} // namespace lumidex
