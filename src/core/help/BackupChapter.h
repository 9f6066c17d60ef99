#pragma once

#include "help/ManualChapters.h"

namespace lumidex::help {

// The manual's chapter on backups: what one holds, where to keep it, the
// reminder, the restore, and how to check one without the program.
ManualChapter backupChapter();

} // namespace lumidex::help
