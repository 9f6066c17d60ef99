// How a find index is made: each run of the visit copies its cards' words and
// line texts into blocks of its own and weighs the first letters of their
// names, side by side; the runs' bytes are then put one after the other.

#include "find/FindFields.h"
#include "find/FindIndex.h"
#include "find/FindWords.h"
#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "search/LineOrder.h"
#include "storage/RecordView.h"

#include <algorithm>
#include <cstring>

namespace lumidex {

namespace {

struct FindRun {
    // The searched fields of the card being read.
    std::vector<QByteArrayView> texts;
    findwords::WordList fieldWords;
    findwords::ByteRow cardWords;
    findwords::ByteRow cardShown;
    AppendedBytes words;
    std::vector<quint32> wordsStart;
    std::vector<int> positions;
    AppendedBytes shownText;
    std::vector<quint32> shownStart;
    std::vector<CollationTable::Prefix> nameKeys;
    qsizetype indexedBytes = 0;
};

template <typename T> void appendShifted(std::vector<T>& out, const std::vector<T>& more, T shift)
{
    out.reserve(out.size() + more.size());
    for (const T value : more)
        out.push_back(value + shift);
}

} // namespace

class FindIndexBuilder {
public:
    explicit FindIndexBuilder(const FindFields& fields)
        : m_fields(fields)
        , m_collation(italianCollationTable())
    {
        for (const int field : fields.searched)
            m_searched.push_back({ field, fields.phones.contains(field),
                field == fields.name ? FindIndex::nameMark : FindIndex::wordMark });
        // The name and the texts of a line are read once, where they are
        // searched fields (as they are for every kind).
        m_name = int(fields.searched.indexOf(fields.name));
        for (std::size_t i = 0; i < m_shown.size(); ++i)
            m_shown[i] = int(fields.searched.indexOf(fields.shown[i]));
    }

    void visit(FindRun& run, int position, const RecordView& record) const
    {
        std::vector<QByteArrayView>& texts = run.texts;
        texts.resize(m_searched.size());
        for (std::size_t i = 0; i < m_searched.size(); ++i)
            texts[i] = record.storedText(m_searched[i].field);
        const auto textOf = [&](int searched, int field) {
            return searched >= 0 ? texts[std::size_t(searched)] : record.storedText(field);
        };
        if (m_collation)
            run.nameKeys.push_back(m_collation->primaryPrefix(textOf(m_name, m_fields.name)));
        run.positions.push_back(position);
        run.wordsStart.push_back(quint32(run.words.size()));
        run.cardWords.clear();
        const char* const recordEnd = record.bytes().data() + record.bytes().size();
        for (std::size_t i = 0; i < m_searched.size(); ++i) {
            if (texts[i].isEmpty())
                continue;
            run.indexedBytes += texts[i].size();
            const bool readableAfter = recordEnd - (texts[i].data() + texts[i].size()) >= 16;
            findwords::appendFieldWords(
                texts[i], m_searched[i].phone, m_searched[i].mark, run.fieldWords, run.cardWords, readableAfter);
        }
        run.words.append(run.cardWords.bytes());
        run.shownStart.push_back(quint32(run.shownText.size()));
        // Each text after a byte of its length: no field shown holds more
        // than 255 characters.
        run.cardShown.clear();
        for (std::size_t i = 0; i < m_shown.size(); ++i) {
            const QByteArrayView stored = textOf(m_shown[i], m_fields.shown[i]);
            const QByteArrayView text = stored.first(qMin<qsizetype>(255, stored.size()));
            char* const to = run.cardShown.room(1 + text.size());
            *to = char(uchar(text.size()));
            std::memcpy(to + 1, text.data(), std::size_t(text.size()));
            run.cardShown.grow(1 + text.size());
        }
        run.shownText.append(run.cardShown.bytes());
    }

    FindIndex finish(const std::vector<FindRun*>& runs) const
    {
        FindIndex index;
        std::size_t cards = 0;
        std::size_t words = 0;
        std::size_t shown = 0;
        for (const FindRun* run : runs) {
            cards += run->positions.size();
            words += std::size_t(run->words.size());
            shown += std::size_t(run->shownText.size());
            index.m_indexedBytes += run->indexedBytes;
        }
        // Zeros after the last card's words.
        index.m_words = PageBuffer(qsizetype(words + padding));
        index.m_shownText = PageBuffer(qsizetype(shown));
        index.m_wordsStart.reserve(cards + 1);
        index.m_positions.reserve(cards);
        index.m_shownStart.reserve(cards + 1);
        std::size_t wordsAt = 0;
        std::size_t shownAt = 0;
        for (const FindRun* run : runs) {
            appendShifted(index.m_wordsStart, run->wordsStart, quint32(wordsAt));
            run->words.copyTo(index.m_words.data() + wordsAt);
            wordsAt += std::size_t(run->words.size());
            appendShifted(index.m_shownStart, run->shownStart, quint32(shownAt));
            run->shownText.copyTo(index.m_shownText.data() + shownAt);
            shownAt += std::size_t(run->shownText.size());
            index.m_positions.insert(index.m_positions.end(), run->positions.begin(), run->positions.end());
        }
        index.m_wordsStart.push_back(quint32(wordsAt));
        std::memset(index.m_words.data() + wordsAt, 0, padding);
        index.m_shownStart.push_back(quint32(shownAt));
        keepNameOrder(runs, index);
        return index;
    }

private:
    // Zeros after the last card's words: a word typed compared at the end of
    // the last card meets them, and the words are never empty.
    static constexpr std::size_t padding = 64;

    // What the list is ordered by: the names' first letters in the Italian
    // order, weighed during the visit on its threads, and the names; the few
    // cards a list shows are picked by them as it is made. Without the tables
    // of the Italian order every card is put in order here, by the collator.
    void keepNameOrder(const std::vector<FindRun*>& runs, FindIndex& index) const
    {
        index.m_collation = m_collation;
        if (m_collation) {
            index.m_nameKeys.reserve(index.m_positions.size());
            for (const FindRun* run : runs)
                index.m_nameKeys.insert(index.m_nameKeys.end(), run->nameKeys.begin(), run->nameKeys.end());
            return;
        }
        std::vector<QByteArrayView> names;
        names.reserve(index.m_positions.size());
        for (std::size_t card = 0; card < index.m_positions.size(); ++card)
            names.push_back(index.nameOf(quint32(card)));
        const std::vector<qsizetype> order = lineOrder(names);
        index.m_byName.assign(order.begin(), order.end());
    }

    struct Searched {
        int field;
        bool phone;
        char mark;
    };

    const FindFields& m_fields;
    const CollationTable* m_collation;
    std::vector<Searched> m_searched;
    int m_name = 0;
    std::array<int, 3> m_shown {};
};

FindIndex FindIndex::build(const RecordSource& records, const FindFields& fields)
{
    const FindIndexBuilder builder(fields);
    PerRun<FindRun> runs;
    records(runs.count(), [&](int part, int position, const RecordView& record) {
        builder.visit(runs[part], position, record);
        return true;
    });
    std::vector<FindRun*> all;
    for (int part = 0; part < runs.count(); ++part)
        all.push_back(&runs[part]);
    return builder.finish(all);
}

} // namespace lumidex
