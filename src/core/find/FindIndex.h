#pragma once

#include "find/PageBuffer.h"
#include "search/CollationTable.h"
#include "storage/RecordSource.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <vector>

namespace lumidex {

class FindQuery;
struct FindFields;

// A card the find lists: where it is in the archive, and the three texts of
// its line (FindFields::shown).
struct FoundCard {
    int position = 0;
    std::array<QString, 3> shown;
};

struct FindResult {
    // Every card that answers the query.
    qsizetype count = 0;
    // The first of them in the list's order: the cards whose name answers the
    // whole query, then the others, each group in the Italian order of the
    // name, as the search sorts it (cards of the same name by position).
    QList<FoundCard> best;
};

// The words of every card of one archive, made from one visit of its
// records: each card's words as the find reads them (folded, elisions and
// phone numbers also written together), one after the other, each after a
// mark that tells a word of the name from the others. Made at little more
// than the cost of the visit: the words are copied, not sorted or counted. A
// word typed is looked for along all of them at once, sixteen bytes at a time,
// and only along the cards still in question for the next.
//
// Once made, an index is only read: the window thread asks it while the next
// one is made on another.
class FindIndex {
public:
    // An index of no cards.
    FindIndex() = default;
    // The index of the records of `records`, visited once in runs side by
    // side. Throws as the visit does.
    static FindIndex build(const RecordSource& records, const FindFields& fields);

    qsizetype cardCount() const { return qsizetype(m_positions.size()); }
    // The cards that answer `query`: how many, and the first `limit`. An empty
    // query answers none.
    FindResult find(const FindQuery& query, int limit) const;

    // The bytes of the stored texts the index was made from (every searched
    // field of every card), and the bytes the index holds.
    qsizetype indexedBytes() const { return m_indexedBytes; }
    qsizetype heldBytes() const;

    // What stands before a word of the name and before any other word.
    static constexpr char nameMark = '\x01';
    static constexpr char wordMark = '\x02';

private:
    // A bit per card: the cards that answer, and those whose name does.
    struct Marks {
        std::vector<quint64> any;
        std::vector<quint64> name;
    };
    Marks emptyMarks() const;
    // Marks the cards with a word that begins with `typed`, among the cards
    // of `within` (every card when null).
    void markBeginning(QByteArrayView typed, const std::vector<quint64>* within, Marks& marks) const;
    Marks marksOf(const std::vector<QByteArray>& pieces, const std::vector<QByteArray>& together,
        const std::vector<quint64>* within) const;
    FoundCard foundCard(quint32 card) const;
    QByteArrayView nameOf(quint32 card) const
    {
        const char* at = m_shownText.data() + m_shownStart[card];
        return { at + 1, qsizetype(uchar(*at)) };
    }
    // Whether card `a` comes before card `b` in the list: by name in the
    // Italian order, then by position.
    bool comesBefore(quint32 a, quint32 b) const;
    // The first `limit` cards of `cards` in the list's order, picked.
    std::vector<quint32> firstInOrder(const std::vector<quint32>& cards, std::size_t limit) const;

    friend class FindIndexBuilder;

    // Every card's words, one after the other; m_wordsStart[card] is where a
    // card's begin, m_wordsStart[cards] where the last ends. Zeros follow the
    // last card, so that a word is compared without looking where it ends.
    PageBuffer m_words;
    std::vector<quint32> m_wordsStart;
    // For each card: its position, and its line's three texts in the code
    // page, each after a byte of its length.
    std::vector<int> m_positions;
    PageBuffer m_shownText;
    std::vector<quint32> m_shownStart;
    // The list's order: the first letters of each card's name in the
    // Italian order, the whole names compared where they agree; or, without
    // the tables of that order, every card put in order when it was made.
    const CollationTable* m_collation = nullptr;
    std::vector<CollationTable::Prefix> m_nameKeys;
    std::vector<quint32> m_byName;
    qsizetype m_indexedBytes = 0;
};

} // namespace lumidex
