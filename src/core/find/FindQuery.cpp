#include "find/FindQuery.h"

#include "find/FindFields.h"
#include "find/FindFolding.h"
#include "find/FindWords.h"
#include "storage/RecordLayout.h"
#include "storage/RecordView.h"

#include <algorithm>

namespace lumidex {

namespace {

QByteArray together(const findwords::WordList& words, qsizetype first, qsizetype end)
{
    QByteArray joined;
    for (qsizetype i = first; i < end; ++i)
        joined.append(words.text(i));
    return joined;
}

} // namespace

FindQuery::FindQuery(QStringView typed)
{
    findwords::WordList words;
    words.read(findfold::typedText(typed), ' ');
    for (qsizetype i = 0; i < words.size();) {
        const bool number = words.at(i).digitsOnly;
        const qsizetype end = number ? words.numberEnd(i) : words.elisionEnd(i);
        Term term;
        for (qsizetype piece = i; piece < end; ++piece)
            term.pieces.push_back(words.text(piece).toByteArray());
        const QByteArray whole = together(words, i, end);
        if (end - i > 1)
            term.together.push_back(whole);
        if (number) {
            // "+39 333 1234567" finds a number written without its country code.
            if (const qsizetype code = findwords::italianCodeLength(whole, words.at(i).plusBefore))
                term.together.push_back(whole.sliced(code));
        }
        m_terms.push_back(std::move(term));
        i = end;
    }
}

bool FindQuery::matches(const FindFields& fields, const RecordView& record) const
{
    if (m_terms.empty())
        return false;
    // Every word the index would keep of the card, each after a blank.
    QByteArray cardWords;
    findwords::WordList read;
    for (const int field : fields.searched) {
        read.read(record.storedText(field), ' ');
        read.addTogether(fields.phones.contains(field));
        cardWords.append(read.stream());
    }
    const auto begun = [&](const QByteArray& typed) { return cardWords.contains(' ' + typed); };
    return std::all_of(m_terms.cbegin(), m_terms.cend(), [&](const Term& term) {
        return std::all_of(term.pieces.cbegin(), term.pieces.cend(), begun)
            || std::any_of(term.together.cbegin(), term.together.cend(), begun);
    });
}

bool FindQuery::matches(const FindFields& fields, const QStringList& values) const
{
    const QByteArray record = fields.layout->encode(values);
    return matches(fields, RecordView(*fields.layout, record));
}

} // namespace lumidex
