#include "find/FindIndex.h"

#include "find/FindQuery.h"
#include "storage/TextField.h"

#include <QtAlgorithms>
#include <algorithm>

namespace lumidex {

namespace {

void andInto(std::vector<quint64>& into, const std::vector<quint64>& other)
{
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] &= other[i];
}

void orInto(std::vector<quint64>& into, const std::vector<quint64>& other)
{
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] |= other[i];
}

bool isMarked(const std::vector<quint64>& bits, quint32 card)
{
    return (bits[card / 64] >> (card % 64)) & 1;
}

} // namespace

FindIndex::Marks FindIndex::emptyMarks() const
{
    const std::size_t words = (m_positions.size() + 63) / 64;
    return { std::vector<quint64>(words, 0), std::vector<quint64>(words, 0) };
}

void FindIndex::markBeginning(QByteArrayView typed, Marks& marks) const
{
    const qsizetype words = qsizetype(m_wordStart.size()) - 1;
    if (words <= 0)
        return;
    // The words that begin with `typed` lie together in byte order: from the
    // first not less than it to the first that no longer begins with it.
    qsizetype first = 0;
    for (qsizetype count = words; count > 0;) {
        const qsizetype half = count / 2;
        if (word(first + half) < typed) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    qsizetype end = first;
    for (qsizetype count = words - first; count > 0;) {
        const qsizetype half = count / 2;
        if (word(end + half).startsWith(typed)) {
            end += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    for (qsizetype w = first; w < end; ++w) {
        const uchar* at = m_cards.data() + m_cardsStart[std::size_t(w)];
        const uchar* const stop = m_cards.data() + m_cardsStart[std::size_t(w) + 1];
        qint64 card = -1;
        while (at < stop) {
            quint32 value = 0;
            for (int shift = 0;; shift += 7) {
                const uchar byte = *at++;
                value |= quint32(byte & 0x7F) << shift;
                if (!(byte & 0x80))
                    break;
            }
            card += value / 2;
            const auto c = quint64(card);
            marks.any[c / 64] |= quint64(1) << (c % 64);
            marks.name[c / 64] |= quint64(value & 1) << (c % 64);
        }
    }
}

FindIndex::Marks FindIndex::marksOf(
    const std::vector<QByteArray>& pieces, const std::vector<QByteArray>& together) const
{
    Marks marks = emptyMarks();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0) {
            markBeginning(pieces[i], marks);
            continue;
        }
        Marks more = emptyMarks();
        markBeginning(pieces[i], more);
        andInto(marks.any, more.any);
        andInto(marks.name, more.name);
    }
    for (const QByteArray& joined : together) {
        Marks more = emptyMarks();
        markBeginning(joined, more);
        orInto(marks.any, more.any);
        orInto(marks.name, more.name);
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
        Marks marks = marksOf(term.pieces, term.together);
        if (answer.any.empty()) {
            answer = std::move(marks);
            continue;
        }
        andInto(answer.any, marks.any);
        andInto(answer.name, marks.name);
    }
    for (const quint64 bits : answer.any)
        result.count += qPopulationCount(bits);

    // The cards in name order: those whose name answers first, then the others.
    std::vector<quint32> byName;
    std::vector<quint32> others;
    const auto wanted = std::size_t(qMax(0, limit));
    for (const quint32 card : m_byName) {
        if (byName.size() == wanted)
            break;
        if (!isMarked(answer.any, card))
            continue;
        if (isMarked(answer.name, card))
            byName.push_back(card);
        else if (others.size() < wanted)
            others.push_back(card);
    }
    for (const quint32 card : byName)
        result.best.append(foundCard(card));
    for (std::size_t i = 0; i < others.size() && std::size_t(result.best.size()) < wanted; ++i)
        result.best.append(foundCard(others[i]));
    return result;
}

FoundCard FindIndex::foundCard(quint32 card) const
{
    FoundCard found;
    found.position = m_positions[card];
    const char* at = m_shownText.constData() + m_shownStart[card];
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
    return sizeof(FindIndex) + m_wordText.capacity() + bytesOf(m_wordStart) + bytesOf(m_cardsStart) + bytesOf(m_cards)
        + bytesOf(m_positions) + m_shownText.capacity() + bytesOf(m_shownStart) + bytesOf(m_byName);
}

} // namespace lumidex
