#pragma once

#include "common/FailureCause.h"

#include <QString>

namespace lumidex {

// Why the file at `path` cannot be opened for reading, as the system says it:
// it is gone, the user may not read it, its share does not answer. Nothing is
// known when it can be read. Asked when the desktop would not open a file, to
// tell the user a missing or unreadable file from one no application opens.
FailureCause readFailureOf(const QString& path);

} // namespace lumidex
