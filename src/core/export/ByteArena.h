#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

namespace lumidex {

// Bytes of many small texts kept side by side in a few large blocks: the rows of
// a hundred thousand cards are a few dozen allocations, not a hundred thousand.
// The large blocks ask the system for large pages, so that filling them does not
// stop at every fourth kilobyte for the system to hand over a new page.
class ByteArena {
public:
    ByteArena() = default;
    ByteArena(ByteArena&&) noexcept = default;
    ByteArena& operator=(ByteArena&&) noexcept = default;

    // Room for `size` bytes in a row, kept as long as the arena.
    char* allocate(qsizetype size);
    // Takes over the blocks of `other`, whose bytes stay where they are.
    void adopt(ByteArena&& other);

private:
    struct Free {
        void operator()(char* block) const;
    };

    std::vector<std::unique_ptr<char, Free>> m_blocks;
    char* m_next = nullptr;
    qsizetype m_left = 0;
    qsizetype m_blockSize = 0;
};

} // namespace lumidex
