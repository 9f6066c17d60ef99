#include "find/FindIndex.h"

#include "find/FindQuery.h"
#include "storage/TextField.h"

#include <QtAlgorithms>
#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumidex {

namespace {

void andMarks(std::vector<quint64>& into, const std::vector<quint64>& other)
{
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] &= other[i];
}

void orMarks(std::vector<quint64>& into, const std::vector<quint64>& other)
{
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] |= other[i];
}

bool isMarked(const std::vector<quint64>& bits, std::size_t card)
{
    return (bits[card / 64] >> (card % 64)) & 1;
}

void setMark(std::vector<quint64>& bits, std::size_t card)
{
    bits[card / 64] |= quint64(1) << (card % 64);
}

qsizetype markedCount(const std::vector<quint64>& bits)
{
    qsizetype count = 0;
    for (const quint64 word : bits)
        count += qPopulationCount(word);
    return count;
}

// Calls found(at) for every place `at` of [from, to) where a word begins with
// `typed`: its first letter there, a mark (or anything below '0') before it,
// and the rest of `typed` after it. `text` may be read from from - 1 on, and up
// to `end`, where nothing of a word that long is compared past.
template <typename Found>
void forEachBeginning(
    const char* text, qsizetype from, qsizetype to, qsizetype end, QByteArrayView typed, Found&& found)
{
    const char first = typed.front();
    const qsizetype rest = typed.size() - 1;
    const char* const tail = typed.data() + 1;
    const auto check = [&](qsizetype at) {
        if (at + typed.size() <= end && (rest == 0 || std::memcmp(text + at + 1, tail, std::size_t(rest)) == 0))
            found(at);
    };
    qsizetype at = from;
#if defined(__SSE2__)
    // Sixteen places at a time: those holding the first letter after a mark.
    const __m128i letter = _mm_set1_epi8(first);
    const __m128i belowWords = _mm_set1_epi8('0');
    for (; at + 16 <= to; at += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at - 1));
        auto hits
            = uint(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, letter), _mm_cmplt_epi8(before, belowWords))));
        while (hits != 0) {
            check(at + qCountTrailingZeroBits(hits));
            hits &= hits - 1;
        }
    }
#endif
    for (; at < to; ++at)
        if (text[at] == first && text[at - 1] < '0')
            check(at);
}

} // namespace

FindIndex::Marks FindIndex::emptyMarks() const
{
    const std::size_t words = (m_positions.size() + 63) / 64;
    return { std::vector<quint64>(words, 0), std::vector<quint64>(words, 0) };
}

void FindIndex::markBeginning(QByteArrayView typed, const std::vector<quint64>* within, Marks& marks) const
{
    if (typed.isEmpty() || m_positions.empty())
        return;
    const char* const text = m_words.data();
    const qsizetype end = m_words.size();
    const std::size_t cards = m_positions.size();
    // Few cards still in question: along theirs alone. Each card's words
    // begin with a mark, which no word typed begins with.
    if (within && markedCount(*within) * 2 < qsizetype(cards)) {
        for (std::size_t card = 0; card < cards; ++card) {
            if (!isMarked(*within, card))
                continue;
            const qsizetype from = m_wordsStart[card];
            const qsizetype to = m_wordsStart[card + 1];
            if (from == to)
                continue;
            forEachBeginning(text, from + 1, to, end, typed, [&](qsizetype at) {
                setMark(marks.any, card);
                if (text[at - 1] == nameMark)
                    setMark(marks.name, card);
            });
        }
        return;
    }
    // Along every card's words at once; the card of a place is found by
    // going on from the card of the place before.
    std::size_t card = 0;
    forEachBeginning(text, 1, m_wordsStart[cards], end, typed, [&](qsizetype at) {
        while (m_wordsStart[card + 1] <= quint32(at))
            ++card;
        setMark(marks.any, card);
        if (text[at - 1] == nameMark)
            setMark(marks.name, card);
    });
}

FindIndex::Marks FindIndex::marksOf(const std::vector<QByteArray>& pieces, const std::vector<QByteArray>& together,
    const std::vector<quint64>* within) const
{
    Marks marks = emptyMarks();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0) {
            markBeginning(pieces[i], within, marks);
            continue;
        }
        // Only the cards the pieces so far found are still in question.
        Marks more = emptyMarks();
        markBeginning(pieces[i], &marks.any, more);
        andMarks(marks.any, more.any);
        andMarks(marks.name, more.name);
    }
    for (const QByteArray& joined : together) {
        Marks more = emptyMarks();
        markBeginning(joined, within, more);
        orMarks(marks.any, more.any);
        orMarks(marks.name, more.name);
    }
    return marks;
}

FindResult FindIndex::find(const FindQuery& query, int limit) const
{
    FindResult result;
    if (query.isEmpty() || m_positions.empty())
        return result;
    Marks answer;
    for (const FindQuery::Term& term : query.terms()) {
        const bool first = answer.any.empty();
        Marks marks = marksOf(term.pieces, term.together, first ? nullptr : &answer.any);
        if (first) {
            answer = std::move(marks);
            continue;
        }
        andMarks(answer.any, marks.any);
        andMarks(answer.name, marks.name);
    }
    result.count = markedCount(answer.any);

    // Those whose name answers first, then the others, each in the list's
    // order.
    const auto wanted = std::size_t(qMax(0, limit));
    std::vector<quint32> named;
    std::vector<quint32> others;
    if (!m_nameKeys.empty()) {
        for (std::size_t word = 0; word < answer.any.size(); ++word)
            for (quint64 bits = answer.any[word]; bits != 0; bits &= bits - 1) {
                const auto card = quint32(word * 64 + std::size_t(qCountTrailingZeroBits(bits)));
                (isMarked(answer.name, card) ? named : others).push_back(card);
            }
        named = firstInOrder(named, wanted);
        others = firstInOrder(others, wanted - named.size());
    } else {
        for (const quint32 card : m_byName) {
            if (named.size() == wanted)
                break;
            if (!isMarked(answer.any, card))
                continue;
            if (isMarked(answer.name, card))
                named.push_back(card);
            else if (others.size() < wanted)
                others.push_back(card);
        }
    }
    for (const quint32 card : named)
        result.best.append(foundCard(card));
    for (std::size_t i = 0; i < others.size() && std::size_t(result.best.size()) < wanted; ++i)
        result.best.append(foundCard(others[i]));
    return result;
}

bool FindIndex::comesBefore(quint32 a, quint32 b) const
{
    const CollationTable::Prefix& x = m_nameKeys[a];
    const CollationTable::Prefix& y = m_nameKeys[b];
    if (x[0] != y[0])
        return x[0] < y[0];
    if (x[1] != y[1])
        return x[1] < y[1];
    if (const int order = m_collation->compare(nameOf(a), nameOf(b)))
        return order < 0;
    return a < b;
}

std::vector<quint32> FindIndex::firstInOrder(const std::vector<quint32>& cards, std::size_t limit) const
{
    const auto before = [this](quint32 a, quint32 b) { return comesBefore(a, b); };
    if (cards.size() <= limit) {
        std::vector<quint32> all = cards;
        std::sort(all.begin(), all.end(), before);
        return all;
    }
    // The first `limit` kept in a heap whose top is the last of them: most
    // cards are turned away by their first letters alone.
    std::vector<quint32> first(cards.begin(), cards.begin() + std::ptrdiff_t(limit));
    std::make_heap(first.begin(), first.end(), before);
    for (std::size_t i = limit; i < cards.size(); ++i) {
        if (limit == 0 || !comesBefore(cards[i], first.front()))
            continue;
        std::pop_heap(first.begin(), first.end(), before);
        first.back() = cards[i];
        std::push_heap(first.begin(), first.end(), before);
    }
    std::sort_heap(first.begin(), first.end(), before);
    return first;
}

FoundCard FindIndex::foundCard(quint32 card) const
{
    FoundCard found;
    found.position = m_positions[card];
    const char* at = m_shownText.data() + m_shownStart[card];
    for (QString& text : found.shown) {
        const auto size = qsizetype(uchar(*at));
        text = textfield::fromWindows1252(QByteArrayView(at + 1, size));
        at += 1 + size;
    }
    return found;
}

qsizetype FindIndex::heldBytes() const
{
    const auto bytesOf = [](const auto& vector) {
        return qsizetype(vector.capacity() * sizeof(typename std::decay_t<decltype(vector)>::value_type));
    };
    return qsizetype(sizeof(FindIndex)) + m_words.size() + bytesOf(m_wordsStart) + bytesOf(m_positions)
        + m_shownText.size() + bytesOf(m_shownStart) + bytesOf(m_nameKeys) + bytesOf(m_byName);
}

} // namespace lumidex
