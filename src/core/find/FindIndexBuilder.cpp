// How a find index is made: each run of the visit reads its cards' words into
// a word table of its own, side by side; the tables are then put in byte order
// (each on a thread of its own) and merged into one dictionary, and the cards
// of every word gathered in card order.

#include "find/FindFields.h"
#include "find/FindIndex.h"
#include "find/FindWords.h"
#include "find/WordTable.h"
#include "search/LineOrder.h"
#include "storage/RecordView.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace lumidex {

namespace {

// A word met in a card: the word's number in its run's table, and the card
// within its run times two, plus one when the word is in the name.
struct Occurrence {
    quint32 word;
    quint32 card;
};

struct FindRun {
    WordTable words;
    std::vector<Occurrence> occurrences;
    findwords::FieldWords fieldWords;
    std::vector<int> positions;
    QByteArray shownText;
    std::vector<quint32> shownStart;
    qsizetype indexedBytes = 0;
    // Filled once the visit is over.
    std::vector<quint32> byteOrder;
    std::vector<quint32> globalWord;
};

void appendNumber(std::vector<uchar>& out, quint32 value)
{
    while (value >= 0x80) {
        out.push_back(uchar(value | 0x80));
        value >>= 7;
    }
    out.push_back(uchar(value));
}

} // namespace

class FindIndexBuilder {
public:
    FindIndexBuilder(const FindFields& fields)
        : m_fields(fields)
    {
        for (const int field : fields.searched)
            m_phone.push_back(fields.phones.contains(field));
    }

    void visit(FindRun& run, int position, const RecordView& record) const
    {
        const auto card = quint32(run.positions.size());
        run.positions.push_back(position);
        for (std::size_t i = 0; i < m_phone.size(); ++i) {
            const int field = m_fields.searched.at(qsizetype(i));
            const QByteArrayView text = record.storedText(field);
            if (text.isEmpty())
                continue;
            run.indexedBytes += text.size();
            run.fieldWords.read(text, m_phone[i]);
            const quint32 inName = field == m_fields.name ? 1 : 0;
            for (qsizetype w = 0; w < run.fieldWords.size(); ++w)
                run.occurrences.push_back({ run.words.numberOf(run.fieldWords.at(w)), card * 2 + inName });
        }
        run.shownStart.push_back(quint32(run.shownText.size()));
        for (const int field : m_fields.shown) {
            // A length byte: no field shown holds more than 255 characters.
            const QByteArrayView text
                = record.storedText(field).first(qMin<qsizetype>(255, record.storedText(field).size()));
            run.shownText.append(char(uchar(text.size())));
            run.shownText.append(text);
        }
    }

    FindIndex finish(std::vector<FindRun*> runs) const
    {
        FindIndex index;
        orderEachRun(runs);
        mergeWords(runs, index);
        gatherCards(runs, index);
        keepShownTexts(runs, index);
        orderByName(index);
        return index;
    }

private:
    static void orderEachRun(const std::vector<FindRun*>& runs)
    {
        std::vector<std::jthread> helpers;
        for (std::size_t r = 1; r < runs.size(); ++r)
            helpers.emplace_back([run = runs[r]] { run->byteOrder = run->words.inByteOrder(); });
        if (!runs.empty())
            runs[0]->byteOrder = runs[0]->words.inByteOrder();
    }

    // The runs' words, each in byte order, merged into one dictionary.
    static void mergeWords(const std::vector<FindRun*>& runs, FindIndex& index)
    {
        std::vector<std::size_t> next(runs.size(), 0);
        qsizetype words = 0;
        qsizetype bytes = 0;
        for (FindRun* run : runs) {
            run->globalWord.assign(run->words.size(), 0);
            words += run->words.size();
            for (quint32 w = 0; w < run->words.size(); ++w)
                bytes += run->words.word(w).size();
        }
        // Room for every word once per run, which is at most what is kept.
        index.m_wordText.reserve(bytes);
        index.m_wordStart.reserve(std::size_t(words) + 1);
        index.m_wordStart.push_back(0);
        for (;;) {
            // The least word at the head of a run; runs are few.
            QByteArrayView least;
            bool any = false;
            for (std::size_t r = 0; r < runs.size(); ++r) {
                if (next[r] == runs[r]->byteOrder.size())
                    continue;
                const QByteArrayView head = runs[r]->words.word(runs[r]->byteOrder[next[r]]);
                if (!any || head < least)
                    least = head;
                any = true;
            }
            if (!any)
                break;
            const auto number = quint32(index.m_wordStart.size() - 1);
            index.m_wordText.append(least);
            index.m_wordStart.push_back(quint32(index.m_wordText.size()));
            for (std::size_t r = 0; r < runs.size(); ++r) {
                if (next[r] < runs[r]->byteOrder.size()) {
                    const quint32 local = runs[r]->byteOrder[next[r]];
                    if (runs[r]->words.word(local) == least) {
                        runs[r]->globalWord[local] = number;
                        ++next[r];
                    }
                }
            }
        }
        index.m_wordText.squeeze();
        index.m_wordStart.shrink_to_fit();
    }

    // Every word's cards in card order: the runs come in file order, and the
    // cards of a run were visited in file order.
    static void gatherCards(const std::vector<FindRun*>& runs, FindIndex& index)
    {
        const std::size_t words = index.m_wordStart.size() - 1;
        std::vector<quint32> start(words + 1, 0);
        for (const FindRun* run : runs)
            for (const Occurrence& seen : run->occurrences)
                ++start[run->globalWord[seen.word] + 1];
        for (std::size_t w = 0; w < words; ++w)
            start[w + 1] += start[w];
        std::vector<quint32> cards(start.back());
        {
            std::vector<quint32> filled(start.begin(), start.end() - 1);
            quint32 firstCard = 0;
            for (const FindRun* run : runs) {
                for (const Occurrence& seen : run->occurrences)
                    cards[filled[run->globalWord[seen.word]]++] = seen.card + firstCard * 2;
                firstCard += quint32(run->positions.size());
            }
        }
        index.m_cardsStart.reserve(words + 1);
        index.m_cards.reserve(cards.size() + cards.size() / 4);
        index.m_cardsStart.push_back(0);
        for (std::size_t w = 0; w < words; ++w) {
            qint64 previous = -1;
            for (quint32 at = start[w]; at < start[w + 1];) {
                const quint32 card = cards[at] / 2;
                // A word met twice in a card counts once, in the name if
                // either time was.
                quint32 inName = 0;
                for (; at < start[w + 1] && cards[at] / 2 == card; ++at)
                    inName |= cards[at] & 1;
                appendNumber(index.m_cards, quint32(qint64(card) - previous) * 2 + inName);
                previous = card;
            }
            index.m_cardsStart.push_back(quint32(index.m_cards.size()));
        }
        index.m_cards.shrink_to_fit();
    }

    static void keepShownTexts(const std::vector<FindRun*>& runs, FindIndex& index)
    {
        qsizetype cards = 0;
        qsizetype bytes = 0;
        for (const FindRun* run : runs) {
            cards += qsizetype(run->positions.size());
            bytes += run->shownText.size();
            index.m_indexedBytes += run->indexedBytes;
        }
        index.m_positions.reserve(std::size_t(cards));
        index.m_shownStart.reserve(std::size_t(cards) + 1);
        index.m_shownText.reserve(bytes);
        for (const FindRun* run : runs) {
            const auto shift = quint32(index.m_shownText.size());
            index.m_positions.insert(index.m_positions.end(), run->positions.begin(), run->positions.end());
            for (const quint32 start : run->shownStart)
                index.m_shownStart.push_back(start + shift);
            index.m_shownText.append(run->shownText);
        }
        index.m_shownStart.push_back(quint32(index.m_shownText.size()));
    }

    // The list's order: the Italian order of the names, as the search sorts
    // its lines; cards of the same name stay in file order.
    static void orderByName(FindIndex& index)
    {
        std::vector<QByteArrayView> names;
        names.reserve(index.m_positions.size());
        for (std::size_t card = 0; card < index.m_positions.size(); ++card) {
            const char* at = index.m_shownText.constData() + index.m_shownStart[card];
            names.emplace_back(at + 1, qsizetype(uchar(*at)));
        }
        const std::vector<qsizetype> order = lineOrder(names);
        index.m_byName.assign(order.begin(), order.end());
    }

    const FindFields& m_fields;
    std::vector<bool> m_phone;
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
    return builder.finish(std::move(all));
}

} // namespace lumidex
