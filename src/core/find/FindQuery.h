#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace lumidex {

class RecordView;
struct FindFields;

// What the user typed in the find field, as the words a card must have: each
// word typed must begin a word of one of the card's fields, in any order.
class FindQuery {
public:
    // A word typed, or words typed that belong together: the halves of an
    // elision ("d'ang"), or the digit groups of a number ("+39 333 123"). A card
    // answers it when each piece begins one of its words, or when one of the
    // pieces' ways of being written together does ("dang", "333123").
    struct Term {
        std::vector<QByteArray> pieces;
        std::vector<QByteArray> together;
    };

    FindQuery() = default;
    explicit FindQuery(QStringView typed);

    const std::vector<Term>& terms() const { return m_terms; }
    // Nothing typed that could begin a word: blanks and punctuation only.
    bool isEmpty() const { return m_terms.empty(); }

    // Whether the card `record` answers every term, read as the index reads it;
    // an empty query is answered by no card.
    bool matches(const FindFields& fields, const RecordView& record) const;
    // The same for a card's values, as they would be stored.
    bool matches(const FindFields& fields, const QStringList& values) const;

private:
    std::vector<Term> m_terms;
};

} // namespace lumidex
