#include "export/ByteArena.h"

#include <cstdlib>
#include <iterator>
#include <new>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace lumidex {

namespace {

// A small archive takes a small block; each block after it is twice as large,
// up to the largest.
constexpr qsizetype firstBlock = qsizetype(64) << 10;
constexpr qsizetype largestBlock = qsizetype(8) << 20;
// The size of a large page of the system, which a block is aligned to.
constexpr qsizetype largePage = qsizetype(2) << 20;

} // namespace

void ByteArena::Free::operator()(char* block) const
{
    std::free(block);
}

char* ByteArena::allocate(qsizetype size)
{
    if (size > m_left) {
        m_blockSize = qMin(largestBlock, m_blockSize == 0 ? firstBlock : 2 * m_blockSize);
        const qsizetype blockSize = qMax(m_blockSize, size);
        const bool large = blockSize % largePage == 0;
        char* block = static_cast<char*>(large ? std::aligned_alloc(std::size_t(largePage), std::size_t(blockSize))
                                               : std::malloc(std::size_t(blockSize)));
        if (!block)
            throw std::bad_alloc();
#ifdef Q_OS_LINUX
        // Only a hint: where the system has no large pages it hands out small ones.
        if (large)
            ::madvise(block, std::size_t(blockSize), MADV_HUGEPAGE);
#endif
        m_blocks.emplace_back(block);
        m_next = block;
        m_left = blockSize;
    }
    char* room = m_next;
    m_next += size;
    m_left -= size;
    return room;
}

void ByteArena::adopt(ByteArena&& other)
{
    // This arena goes on filling its own last block.
    m_blocks.insert(
        m_blocks.end(), std::make_move_iterator(other.m_blocks.begin()), std::make_move_iterator(other.m_blocks.end()));
    other.m_blocks.clear();
    other.m_next = nullptr;
    other.m_left = 0;
}

} // namespace lumidex
