#pragma once

#include <QtGlobal>

// Resident memory of the benchmark process, from the kernel's own account.
namespace lumidex::bench {

// A field of /proc/self/status in bytes: "VmRSS" (now) or "VmHWM" (the peak);
// -1 where the system does not tell.
qint64 statusBytes(const char* field);

// Starts a new peak of the resident set from here on (writing 5 to
// /proc/self/clear_refs); false where the system does not allow it.
bool resetPeakMemory();

// The most memory a stretch of work held above what the process held before it:
// start() before the work (it hands the memory freed so far back to the system),
// growth() after it.
class PeakGrowth {
public:
    bool start();
    qint64 growth() const;

private:
    qint64 m_before = 0;
};

} // namespace lumidex::bench
