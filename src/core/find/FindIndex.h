#pragma once

#include "storage/RecordSource.h"

#include <QByteArray>
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

// Every word of every card of one archive, made from one visit of its
// records: the distinct words in byte order, each with the cards it begins a
// word of (and whether in the name), so that a word typed finds its cards by
// two binary searches, however many there are. Kept compact: the cards of a
// word are the differences from one to the next, a byte or two each.
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

private:
    // A bit per card: the cards that answer, and those whose name does.
    struct Marks {
        std::vector<quint64> any;
        std::vector<quint64> name;
    };
    Marks emptyMarks() const;
    // The cards with a word that begins with `typed`.
    void markBeginning(QByteArrayView typed, Marks& marks) const;
    Marks marksOf(const std::vector<QByteArray>& pieces, const std::vector<QByteArray>& together) const;
    QByteArrayView word(qsizetype number) const
    {
        return { m_wordText.constData() + m_wordStart[std::size_t(number)],
            qsizetype(m_wordStart[std::size_t(number) + 1] - m_wordStart[std::size_t(number)]) };
    }
    FoundCard foundCard(quint32 card) const;

    friend class FindIndexBuilder;

    // The distinct words, in byte order, one after the other.
    QByteArray m_wordText;
    std::vector<quint32> m_wordStart;
    // For each word, its cards: (card - previous card) * 2 + (1 if in the
    // name), as base-128 numbers; the first previous card is -1.
    std::vector<quint32> m_cardsStart;
    std::vector<uchar> m_cards;
    // For each card: its position, and its line's three texts in the code
    // page, each after a byte of its length.
    std::vector<int> m_positions;
    QByteArray m_shownText;
    std::vector<quint32> m_shownStart;
    // The cards in the order of their names.
    std::vector<quint32> m_byName;
    qsizetype m_indexedBytes = 0;
};

} // namespace lumidex
