#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <bitset>
#include <span>

namespace lumidex {

// The order of a collator over texts in the archives' code page (Windows-1252,
// one byte a character), kept as tables, so that a hundred thousand lines sort
// without the collator building a key for each of them.
//
// A collator compares two texts level by level: first their letters (the
// primary weights: "a" = "À"), then, among texts with the same letters, their
// accents (secondary: "a" < "à"), then their case and form (tertiary: "a" < "A").
// Each character is a short sequence of elements, one weight per level: most
// have one, an accented letter is its base letter followed by its accent ("à" =
// "a" + grave), "Œ" and "…" stand for two and three letters, blanks such as
// byte 0 have none; a pair such as "l·" can be one unit of its own. A text's
// weights on one level are those of its characters one after the other, and
// two texts compare as those sequences do, the shorter first where one begins
// the other.
class CollationTable {
public:
    // At most this many weights on one level for one character.
    static constexpr int maxWeights = 6;

    // The weights of one character, or of a pair read as one. Zero ends a
    // sequence; a primary weight fits one byte.
    struct Unit {
        std::array<quint8, maxWeights> primary {};
        std::array<quint16, maxWeights> secondary {};
        std::array<quint16, maxWeights> tertiary {};
    };
    // Two characters the collator reads as one unit; `unit` is their weights.
    struct Pair {
        uchar first = 0;
        uchar second = 0;
        Unit unit;
    };
    static constexpr int maxPairs = 4;

    // `units` has the weights of each of the 256 bytes; `pairs` those of the
    // pairs read as one (at most maxPairs).
    CollationTable(std::span<const Unit, 256> units, std::span<const Pair> pairs);

    // The comparison of two texts, as QCollator gives it: negative, zero or
    // positive. An empty text comes before any other, even one whose characters
    // all weigh nothing.
    int compare(QByteArrayView a, QByteArrayView b) const;
    // Whether the code page holds every character of `text`.
    bool holds(QStringView text) const;

    // The letters a text begins with: the primary weights of its first units,
    // one byte each, packed first to last and zero past the end. Two texts
    // whose prefixes differ compare as their prefixes do, on the first level
    // and so on the whole; equal prefixes tell nothing.
    using Prefix = std::array<quint64, 2>;
    Prefix primaryPrefix(QByteArrayView text) const;

private:
    template <typename Char> friend class UnitReader;
    template <typename Char> int compareTexts(const Char* a, qsizetype aSize, const Char* b, qsizetype bSize) const;
    // The unit that starts at `at`, and how many characters it takes.
    template <typename Char> const Unit& unitAt(const Char* at, const Char* end, int& length) const;
    template <typename Char>
    int compareLevel(int level, const Char* a, const Char* aEnd, const Char* b, const Char* bEnd) const;
    // Where the texts' first unit that can differ begins: past their common
    // characters, among the first `shorter`.
    template <typename Char> qsizetype sharedStart(const Char* a, const Char* b, qsizetype shorter) const;
    static uchar byteOf(uchar byte) { return byte; }

    std::array<Unit, 256> m_units;
    std::array<Pair, maxPairs> m_pairs;
    int m_pairCount = 0;
    std::array<bool, 256> m_beginsPair {};
    // Which UTF-16 units the code page has.
    std::bitset<65536> m_holds;
};

} // namespace lumidex
