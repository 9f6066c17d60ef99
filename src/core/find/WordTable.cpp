#include "find/WordTable.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace lumidex {

namespace {

// The first eight bytes of a word, so that comparing two numbers compares the
// words' beginnings in byte order; shorter words are padded with zeros, which
// sort first as the end of a word does.
quint64 leadingBytes(QByteArrayView word)
{
    quint64 lead = 0;
    std::memcpy(&lead, word.data(), std::size_t(qMin<qsizetype>(word.size(), 8)));
    return qFromBigEndian(lead);
}

} // namespace

WordTable::WordTable()
    : m_start { 0 }
    , m_slots(1024, 0)
    , m_mask(1023)
{ }

quint32 WordTable::hashOf(QByteArrayView word)
{
    // Words are short: eight bytes at a time, then a final mix (splitmix64).
    quint64 hash = quint64(word.size()) * 0x9E3779B97F4A7C15ULL;
    const char* at = word.data();
    qsizetype left = word.size();
    for (; left >= 8; at += 8, left -= 8) {
        quint64 chunk;
        std::memcpy(&chunk, at, 8);
        hash = (hash ^ chunk) * 0xBF58476D1CE4E5B9ULL;
    }
    if (left > 0) {
        quint64 chunk = 0;
        std::memcpy(&chunk, at, std::size_t(left));
        hash = (hash ^ chunk) * 0x94D049BB133111EBULL;
    }
    hash ^= hash >> 31;
    hash *= 0xBF58476D1CE4E5B9ULL;
    hash ^= hash >> 29;
    return quint32(hash);
}

quint32 WordTable::numberOf(QByteArrayView word)
{
    const quint32 hash = hashOf(word);
    for (quint32 slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
        const quint32 held = m_slots[slot];
        if (held == 0)
            break;
        const quint32 number = held - 1;
        if (m_hashes[number] == hash && this->word(number) == word)
            return number;
    }
    const quint32 number = size();
    m_text.insert(m_text.end(), word.begin(), word.end());
    m_start.push_back(quint32(m_text.size()));
    m_hashes.push_back(hash);
    // At most half full: a free slot is never far.
    if (std::size_t(number + 1) * 2 > m_slots.size())
        grow();
    quint32 slot = hash & m_mask;
    while (m_slots[slot] != 0)
        slot = (slot + 1) & m_mask;
    m_slots[slot] = number + 1;
    return number;
}

void WordTable::grow()
{
    m_slots.assign(m_slots.size() * 2, 0);
    m_mask = quint32(m_slots.size() - 1);
    // The word being added is placed by the caller.
    for (quint32 number = 0; number + 1 < size(); ++number) {
        quint32 slot = m_hashes[number] & m_mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & m_mask;
        m_slots[slot] = number + 1;
    }
}

std::vector<quint32> WordTable::inByteOrder() const
{
    struct Keyed {
        quint64 lead;
        quint32 number;
    };
    std::vector<Keyed> keyed(size());
    for (quint32 number = 0; number < size(); ++number)
        keyed[number] = { leadingBytes(word(number)), number };
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.lead != b.lead)
            return a.lead < b.lead;
        return word(a.number) < word(b.number);
    });
    std::vector<quint32> order(size());
    for (quint32 i = 0; i < size(); ++i)
        order[i] = keyed[i].number;
    return order;
}

} // namespace lumidex
