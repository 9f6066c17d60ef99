#pragma once

#include <QtGlobal>
#include <functional>

namespace lumidex::sidebyside {

// Runs work(0) .. work(count - 1), as many at once as the computer has cores:
// this thread and threads of the standard library's own take the next index in
// turn until none is left, and every call has returned when this does. The
// program's own work runs on such threads (or std::async), never on a Qt thread
// pool, so that ThreadSanitizer sees how it hands its results back. `work` must
// not throw: it is called on other threads.
void forEachIndex(qsizetype count, const std::function<void(qsizetype index)>& work);

} // namespace lumidex::sidebyside
