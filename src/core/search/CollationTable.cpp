#include "search/CollationTable.h"
#include "storage/TextField.h"

#include <QtAlgorithms>
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
// reads them: unit after unit, each unit's weights in turn, over bytes of the
// code page (`Char` is their byte type).
template <typename Char> class UnitReader {
public:
    UnitReader(const CollationTable& table, int level, const Char* at, const Char* end)
        : m_table(table)
        , m_level(level)
        , m_at(at)
        , m_end(end)
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
    const Char* m_at;
    const Char* const m_end;
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
    for (int byte = 0; byte < 256; ++byte) {
        const char one = char(byte);
        const char16_t c = textfield::fromWindows1252(QByteArrayView(&one, 1)).at(0).unicode();
        m_holds.set(c);
    }
}

bool CollationTable::holds(QStringView text) const
{
    return std::all_of(text.begin(), text.end(), [this](QChar c) { return m_holds.test(c.unicode()); });
}

template <typename Char>
const CollationTable::Unit& CollationTable::unitAt(const Char* at, const Char* end, int& length) const
{
    const uchar first = byteOf(*at);
    if (m_beginsPair[first] && at + 1 < end) {
        const uchar second = byteOf(at[1]);
        for (int i = 0; i < m_pairCount; ++i) {
            const Pair& pair = m_pairs[std::size_t(i)];
            if (pair.first == first && pair.second == second) {
                length = 2;
                return pair.unit;
            }
        }
    }
    length = 1;
    return m_units[first];
}

template <typename Char>
int CollationTable::compareLevel(int level, const Char* a, const Char* aEnd, const Char* b, const Char* bEnd) const
{
    UnitReader<Char> left(*this, level, a, aEnd);
    UnitReader<Char> right(*this, level, b, bEnd);
    for (;;) {
        const quint16 x = left.next();
        const quint16 y = right.next();
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

template <typename Char> qsizetype CollationTable::sharedStart(const Char* a, const Char* b, qsizetype shorter) const
{
    // Lines in name order share long runs (a name, the labels, the blanks of a
    // column): eight bytes are compared at a time. The same character is the
    // same code unit, so texts of characters compare as their bytes would.
    constexpr qsizetype perWord = qsizetype(sizeof(quint64) / sizeof(Char));
    qsizetype at = 0;
    for (; at + perWord <= shorter; at += perWord) {
        const quint64 x = qFromUnaligned<quint64>(a + at);
        const quint64 y = qFromUnaligned<quint64>(b + at);
        if (x != y) {
            at += qsizetype(qCountTrailingZeroBits(qToLittleEndian(x ^ y)) / (8 * sizeof(Char)));
            break;
        }
    }
    while (at < shorter && a[at] == b[at])
        ++at;
    // A character that may begin a pair can be read with the first one that
    // differs: the reading starts before it, where a unit is sure to begin.
    while (at > 0 && m_beginsPair[byteOf(a[at - 1])])
        --at;
    return at;
}

template <typename Char>
int CollationTable::compareTexts(const Char* a, qsizetype aSize, const Char* b, qsizetype bSize) const
{
    if (aSize == 0 || bSize == 0)
        return int(aSize != 0) - int(bSize != 0);
    // The same characters weigh the same on every level, so only what follows
    // them can tell the texts apart: identical lines cost one pass of plain
    // comparison.
    const qsizetype start = sharedStart(a, b, qMin(aSize, bSize));
    for (const int level : { 1, 2, 3 }) {
        if (const int order = compareLevel(level, a + start, a + aSize, b + start, b + bSize))
            return order;
    }
    return 0;
}

CollationTable::Prefix CollationTable::primaryPrefix(QByteArrayView text) const
{
    const auto* begin = reinterpret_cast<const uchar*>(text.data());
    UnitReader<uchar> weights(*this, 1, begin, begin + text.size());
    Prefix prefix {};
    constexpr int perWord = int(sizeof(quint64));
    for (int at = 0; at < int(prefix.size()) * perWord; ++at) {
        const quint64 weight = weights.next();
        if (weight == 0)
            break;
        Q_ASSERT(weight <= 0xFF);
        prefix[std::size_t(at / perWord)] |= weight << (8 * (perWord - 1 - at % perWord));
    }
    return prefix;
}

int CollationTable::compare(QByteArrayView a, QByteArrayView b) const
{
    return compareTexts(
        reinterpret_cast<const uchar*>(a.data()), a.size(), reinterpret_cast<const uchar*>(b.data()), b.size());
}

} // namespace lumidex
