#pragma once

#include "storage/Archive.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace lumidex {

class RecordView;

// A record visit: the run of records it belongs to (see RecordSource), its
// position (1-based) and the record as it lies in the file, valid during the
// call only; return false to stop that run.
using RecordVisit = std::function<bool(int part, int position, const RecordView& record)>;

// Something that visits records and throws ArchiveError when it cannot: an
// archive file, or in tests a stand-in that fails on purpose. It may split the
// records into up to `parts` runs of consecutive records visited side by side,
// each on a thread of its own (see Archive::visitInParts), so the visit keeps
// each run's state apart; a source that does not split visits every record in
// file order as part 0.
using RecordSource = std::function<void(int parts, const RecordVisit& visit)>;

// The state each run of a visit keeps apart, one per run the source may make
// (Archive::partsForThisComputer()), each in cache lines of its own: runs on
// two processors writing beside each other would make each wait for the other.
template <class State> class PerRun {
public:
    PerRun()
        : m_slots(static_cast<std::size_t>(Archive::partsForThisComputer()))
    { }
    // The runs to ask the source for.
    int count() const { return int(m_slots.size()); }
    State& operator[](int part) { return m_slots[std::size_t(part)].state; }
    const State& operator[](int part) const { return m_slots[std::size_t(part)].state; }

private:
    struct alignas(64) Slot {
        State state;
    };
    std::vector<Slot> m_slots;
};

// The records of `archive`, each visit in one cycle of its own.
inline RecordSource archiveRecords(Archive archive)
{
    return [archive = std::move(archive)](int parts, const RecordVisit& visit) { archive.visitInParts(parts, visit); };
}

} // namespace lumidex
