#include "find/FindWords.h"

#include "find/FindFolding.h"

#include <cstring>

namespace lumidex::findwords {

void WordList::read(QByteArrayView codePageText)
{
    m_text.clear();
    m_words.clear();
    const auto& fold = findfold::table();
    // Folding at most doubles a character ("ß" is "ss").
    m_text.reserve(std::size_t(codePageText.size()) * 2);
    Word word;
    bool inWord = false;
    // What was seen since the last word ended.
    bool apostrophes = false;
    bool numberMarks = false;
    bool other = false;
    bool plus = false;
    const auto endWord = [&] {
        word.size = qsizetype(m_text.size()) - word.begin;
        m_words.push_back(word);
        inWord = false;
        apostrophes = numberMarks = other = plus = false;
    };
    for (const char byte : codePageText) {
        const findfold::FoldedChar& c = fold[uchar(byte)];
        if (c.kind == findfold::CharKind::Letter || c.kind == findfold::CharKind::Digit) {
            if (!inWord) {
                // The first word has nothing before it to be joined to.
                const bool joinable = !m_words.empty() && !other;
                word = Word { qsizetype(m_text.size()), 0, true, joinable && apostrophes && !numberMarks,
                    joinable && numberMarks && !apostrophes, plus };
                inWord = true;
            }
            word.digitsOnly = word.digitsOnly && c.kind == findfold::CharKind::Digit;
            m_text.insert(m_text.end(), c.plain.begin(), c.plain.begin() + c.size);
            continue;
        }
        if (inWord)
            endWord();
        switch (c.kind) {
        case findfold::CharKind::Apostrophe:
            apostrophes = true;
            break;
        case findfold::CharKind::Blank:
        case findfold::CharKind::PhoneMark:
            numberMarks = true;
            plus = plus || byte == '+';
            break;
        default:
            other = true;
            break;
        }
    }
    if (inWord)
        endWord();
}

qsizetype WordList::elisionEnd(qsizetype first) const
{
    qsizetype end = first + 1;
    while (end < size() && at(end).afterElision)
        ++end;
    return end;
}

qsizetype WordList::numberEnd(qsizetype first) const
{
    qsizetype end = first + 1;
    if (!at(first).digitsOnly)
        return end;
    while (end < size() && at(end).digitsOnly && at(end).afterNumberGap)
        ++end;
    return end;
}

qsizetype italianCodeLength(QByteArrayView digits, bool plusBefore)
{
    if (digits.size() > 4 && digits.startsWith("0039"))
        return 4;
    if (plusBefore && digits.size() > 2 && digits.startsWith("39"))
        return 2;
    return 0;
}

void FieldWords::add(QByteArrayView word)
{
    const qsizetype begin = qsizetype(m_joined.size());
    m_joined.insert(m_joined.end(), word.begin(), word.end());
    m_spans.push_back({ begin, word.size() });
}

void FieldWords::addTogether(qsizetype first, qsizetype end)
{
    const qsizetype begin = qsizetype(m_joined.size());
    for (qsizetype i = first; i < end; ++i) {
        const QByteArrayView piece = m_words.text(i);
        m_joined.insert(m_joined.end(), piece.begin(), piece.end());
    }
    m_spans.push_back({ begin, qsizetype(m_joined.size()) - begin });
}

void FieldWords::addTail(qsizetype span, qsizetype from)
{
    const Span copied = m_spans[std::size_t(span)];
    const qsizetype size = copied.size - from;
    const qsizetype begin = qsizetype(m_joined.size());
    // The copy comes from the same buffer, which may move as it grows.
    m_joined.resize(m_joined.size() + std::size_t(size));
    std::memcpy(m_joined.data() + begin, m_joined.data() + copied.begin + from, std::size_t(size));
    m_spans.push_back({ begin, size });
}

void FieldWords::read(QByteArrayView codePageText, bool phoneNumbers)
{
    m_words.read(codePageText);
    m_joined.clear();
    m_spans.clear();
    for (qsizetype i = 0; i < m_words.size(); ++i)
        add(m_words.text(i));
    for (qsizetype i = 0; i < m_words.size();) {
        const qsizetype end = m_words.elisionEnd(i);
        if (end - i > 1)
            addTogether(i, end);
        i = end;
    }
    if (!phoneNumbers)
        return;
    for (qsizetype i = 0; i < m_words.size();) {
        const qsizetype end = m_words.numberEnd(i);
        if (m_words.at(i).digitsOnly) {
            // The number whole, a single group being a word already.
            const qsizetype whole = end - i > 1 ? size() : i;
            // A number is found from any of its groups on: "1234567" finds
            // "333 123 4567" as "4567" does.
            for (qsizetype from = i; from + 1 < end; ++from)
                addTogether(from, end);
            if (const qsizetype code = italianCodeLength(at(whole), m_words.at(i).plusBefore))
                addTail(whole, code);
        }
        i = end;
    }
}

} // namespace lumidex::findwords
