#include "find/PageBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace lumidex {

void PageBuffer::Free::operator()(char* bytes) const
{
    std::free(bytes);
}

PageBuffer::PageBuffer(qsizetype size)
    : m_size(size)
{
    if (size == 0)
        return;
    // A large page of the system.
    constexpr qsizetype page = AppendedBytes::blockSize;
    const bool large = size >= page;
    // A size that is a whole number of the alignment, as aligned_alloc wants.
    const qsizetype allocated = large ? (size + page - 1) / page * page : size;
    m_bytes.reset(static_cast<char*>(
        large ? std::aligned_alloc(std::size_t(page), std::size_t(allocated)) : std::malloc(std::size_t(size))));
    if (!m_bytes)
        throw std::bad_alloc();
#ifdef Q_OS_LINUX
    // Only a hint: where the system has no large pages it hands out small ones.
    if (large)
        ::madvise(m_bytes.get(), std::size_t(allocated), MADV_HUGEPAGE);
#endif
}

void AppendedBytes::appendAcrossBlocks(QByteArrayView bytes)
{
    const char* from = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        if (m_blocks.empty() || m_used == AppendedBytes::blockSize) {
            m_blocks.emplace_back(AppendedBytes::blockSize);
            m_used = 0;
        }
        const qsizetype piece = qMin(left, AppendedBytes::blockSize - m_used);
        std::memcpy(m_blocks.back().data() + m_used, from, std::size_t(piece));
        m_used += piece;
        m_size += piece;
        from += piece;
        left -= piece;
    }
}

void AppendedBytes::copyTo(char* out) const
{
    for (std::size_t block = 0; block < m_blocks.size(); ++block) {
        const qsizetype used = block + 1 == m_blocks.size() ? m_used : AppendedBytes::blockSize;
        std::memcpy(out, m_blocks[block].data(), std::size_t(used));
        out += used;
    }
}

} // namespace lumidex
