#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <cstring>
#include <memory>
#include <vector>

namespace lumidex {

// Bytes of the find index's large parts, which the system may hand over in
// large pages where it has them: filling twenty megabytes then stops for ten
// new pages rather than for five thousand (a first touch of a small page
// costs as much as copying it several times over).
class PageBuffer {
public:
    PageBuffer() = default;
    // `size` bytes, not yet written.
    explicit PageBuffer(qsizetype size);

    char* data() { return m_bytes.get(); }
    const char* data() const { return m_bytes.get(); }
    qsizetype size() const { return m_size; }

private:
    struct Free {
        void operator()(char* bytes) const;
    };
    std::unique_ptr<char, Free> m_bytes;
    qsizetype m_size = 0;
};

// Bytes appended one piece after the other into blocks that never move, so
// that nothing is copied again as they grow; copied in one go where they are
// to stay.
class AppendedBytes {
public:
    void append(QByteArrayView bytes)
    {
        // Most pieces fit in the last block.
        if (!m_blocks.empty() && bytes.size() <= blockSize - m_used) {
            std::memcpy(m_blocks.back().data() + m_used, bytes.data(), std::size_t(bytes.size()));
            m_used += bytes.size();
            m_size += bytes.size();
            return;
        }
        appendAcrossBlocks(bytes);
    }
    qsizetype size() const { return m_size; }
    // Writes every byte, in order, to `out`.
    void copyTo(char* out) const;

    // The size of every block: a large page of the system, which a
    // PageBuffer of that size or more is aligned to.
    static constexpr qsizetype blockSize = qsizetype(2) << 20;

private:
    void appendAcrossBlocks(QByteArrayView bytes);

    std::vector<PageBuffer> m_blocks;
    qsizetype m_size = 0;
    // Bytes used of the last block.
    qsizetype m_used = 0;
};

} // namespace lumidex
