#include "search/CollationTable.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace lumidex {

namespace {

quint16 weightOf(const CollationTable::Unit& unit, int level, int index)
{
    switch (level) {
    case 1:
        return unit.primary[std::size_t(index)];
    case 2:
        return unit.secondary[std::size_t(index)];
    default:
        return unit.tertiary[std::size_t(index)];
    }
}

} // namespace

// The weights of one level of a text, one after the other, as the collator
// reads them: unit after unit, each unit's weights in turn.
class UnitReader {
public:
    UnitReader(const CollationTable& table, int level, QByteArrayView text)
        : m_table(table)
        , m_level(level)
        , m_at(reinterpret_cast<const uchar*>(text.data()))
        , m_end(m_at + text.size())
    { }

    // The next weight, or 0 at the end of the text.
    quint16 next()
    {
        for (;;) {
            if (m_unit && m_index < CollationTable::maxWeights) {
                const quint16 weight = weightOf(*m_unit, m_level, m_index++);
                if (weight != 0)
                    return weight;
            }
            if (m_at == m_end)
                return 0;
            int length = 1;
            m_unit = &m_table.unitAt(m_at, m_end, length);
            m_at += length;
            m_index = 0;
        }
    }

private:
    const CollationTable& m_table;
    const int m_level;
    const uchar* m_at;
    const uchar* const m_end;
    const CollationTable::Unit* m_unit = nullptr;
    int m_index = 0;
};

CollationTable::CollationTable(std::span<const Unit, 256> units, std::span<const Pair> pairs)
{
    std::copy(units.begin(), units.end(), m_units.begin());
    Q_ASSERT(pairs.size() <= std::size_t(maxPairs));
    for (const Pair& pair : pairs.first(qMin(pairs.size(), std::size_t(maxPairs)))) {
        m_pairs[std::size_t(m_pairCount++)] = pair;
        m_beginsPair[pair.first] = true;
    }
}

const CollationTable::Unit& CollationTable::unitAt(const uchar* at, const uchar* end, int& length) const
{
    if (m_beginsPair[*at] && at + 1 < end) {
        for (int i = 0; i < m_pairCount; ++i) {
            const Pair& pair = m_pairs[std::size_t(i)];
            if (pair.first == at[0] && pair.second == at[1]) {
                length = 2;
                return pair.unit;
            }
        }
    }
    length = 1;
    return m_units[*at];
}

int CollationTable::compareLevel(int level, QByteArrayView a, QByteArrayView b) const
{
    UnitReader left(*this, level, a);
    UnitReader right(*this, level, b);
    for (;;) {
        const quint16 x = left.next();
        const quint16 y = right.next();
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

qsizetype CollationTable::sharedStart(QByteArrayView a, QByteArrayView b) const
{
    const qsizetype shorter = qMin(a.size(), b.size());
    const auto mismatch = std::mismatch(a.begin(), a.begin() + shorter, b.begin());
    qsizetype at = mismatch.first - a.begin();
    // A byte that may begin a pair can be read with the first byte that differs:
    // the reading starts before it, where a unit is sure to begin.
    while (at > 0 && m_beginsPair[uchar(a[at - 1])])
        --at;
    return at;
}

int CollationTable::compare(QByteArrayView a, QByteArrayView b) const
{
    if (a.isEmpty() || b.isEmpty())
        return int(!a.isEmpty()) - int(!b.isEmpty());
    // The same bytes weigh the same on every level, so only what follows them can
    // tell the texts apart: identical lines cost one pass of plain byte comparison.
    const qsizetype start = sharedStart(a, b);
    a = a.sliced(start);
    b = b.sliced(start);
    for (const int level : { 1, 2, 3 }) {
        if (const int order = compareLevel(level, a, b))
            return order;
    }
    return 0;
}

} // namespace lumidex
