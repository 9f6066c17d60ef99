#include "find/FindWords.h"

#include "find/FindFolding.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumidex::findwords {

void WordList::read(QByteArrayView codePageText, char mark)
{
    m_words.clear();
    m_stream.clear();
    m_mark = mark;
    m_joinable = false;
    const auto& fold = findfold::table();
    // Each character is at most two letters ("ß" is "ss") and a mark.
    char* const begin = m_stream.room(codePageText.size() * 3);
    char* out = begin;
    Word word;
    bool inWord = false;
    // The kinds of what was seen since the last word ended, a bit each, set
    // back as the next word begins.
    unsigned gap = 0;
    bool plus = false;
    constexpr auto bit = [](findfold::CharKind kind) { return 1u << unsigned(kind); };
    constexpr unsigned elision = bit(findfold::CharKind::Apostrophe);
    constexpr unsigned numberGap = bit(findfold::CharKind::Blank) | bit(findfold::CharKind::PhoneMark);
    for (const char byte : codePageText) {
        const findfold::FoldedChar c = fold[uchar(byte)];
        if (c.size != 0) {
            if (!inWord) [[unlikely]] {
                // The first word has nothing before it to be joined to.
                const bool joinable = !m_words.empty();
                const bool afterElision = joinable && gap == elision;
                const bool afterNumberGap = joinable && gap != 0 && (gap & ~numberGap) == 0;
                m_joinable = m_joinable || afterElision || afterNumberGap;
                *out++ = mark;
                word = Word { qsizetype(out - begin), 0, true, afterElision, afterNumberGap, plus };
                inWord = true;
                gap = 0;
                plus = false;
            }
            word.digitsOnly = word.digitsOnly && c.kind == findfold::CharKind::Digit;
            *out++ = c.plain[0];
            if (c.size > 1) [[unlikely]]
                *out++ = c.plain[1];
            continue;
        }
        gap |= bit(c.kind);
        plus = plus || byte == '+';
        if (inWord) {
            word.size = qsizetype(out - begin) - word.begin;
            m_words.push_back(word);
            inWord = false;
        }
    }
    if (inWord) {
        word.size = qsizetype(out - begin) - word.begin;
        m_words.push_back(word);
    }
    m_stream.grow(qsizetype(out - begin));
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

void WordList::appendTogether(qsizetype first, qsizetype end, qsizetype skip)
{
    qsizetype size = 1 - skip;
    for (qsizetype i = first; i < end; ++i)
        size += at(i).size;
    // The words are copied from the same buffer, which may move as it grows.
    char* out = m_stream.room(size);
    *out++ = m_mark;
    for (qsizetype i = first; i < end; ++i) {
        const qsizetype from = i == first ? skip : 0;
        std::memcpy(out, m_stream.data() + at(i).begin + from, std::size_t(at(i).size - from));
        out += at(i).size - from;
    }
    m_stream.grow(size);
}

void WordList::addTogether(bool phoneNumbers)
{
    // Most fields hold neither an elision nor a number in groups.
    if (!m_joinable && !phoneNumbers)
        return;
    for (qsizetype i = 0; i < size();) {
        const qsizetype end = elisionEnd(i);
        if (end - i > 1)
            appendTogether(i, end);
        i = end;
    }
    if (!phoneNumbers)
        return;
    for (qsizetype i = 0; i < size();) {
        const qsizetype end = numberEnd(i);
        if (at(i).digitsOnly) {
            // A number is found from any of its groups on: "1234567" finds
            // "333 123 4567" as "4567" does; a single group is a word already.
            for (qsizetype from = i; from + 1 < end; ++from)
                appendTogether(from, end);
            // The country code begins the first group; a group of its own
            // ("+39 333 1234567") left the number without it above already.
            if (const qsizetype code = italianCodeLength(text(i), at(i).plusBefore))
                appendTogether(i, end, code);
        }
        i = end;
    }
}

namespace {

// The words of a field of nothing but phone numbers (digits, blanks and
// ". - / ( ) +"), as WordList reads them and addTogether adds to them: one
// number in groups. False, with nothing written, for any other field.
bool appendPhoneWords(QByteArrayView text, char mark, ByteRow& out)
{
    constexpr int maxGroups = 32;
    const auto& fold = findfold::table();
    std::array<char, 256> digits;
    std::array<qsizetype, maxGroups + 1> group;
    qsizetype count = 0;
    int groups = 0;
    bool plus = false;
    bool inGroup = false;
    if (text.size() > qsizetype(digits.size()))
        return false;
    for (const char byte : text) {
        switch (fold[uchar(byte)].kind) {
        case findfold::CharKind::Digit:
            if (!inGroup) {
                if (groups == maxGroups)
                    return false;
                group[std::size_t(groups++)] = count;
                inGroup = true;
            }
            digits[std::size_t(count++)] = byte;
            continue;
        case findfold::CharKind::Blank:
        case findfold::CharKind::PhoneMark:
            plus = plus || (byte == '+' && groups == 0);
            inGroup = false;
            continue;
        default:
            return false;
        }
    }
    group[std::size_t(groups)] = count;
    const qsizetype code = groups > 0 ? italianCodeLength(QByteArrayView(digits.data(), group[1]), plus) : 0;
    // The groups, the number from each group on, and the number without its
    // country code where that is not a group of its own.
    const qsizetype joined = count * (groups > 1 ? groups - 1 : 0);
    char* const begin = out.room(count + groups + joined + groups + (code > 0 ? count + 1 : 0));
    char* to = begin;
    for (int g = 0; g < groups; ++g) {
        *to++ = mark;
        const qsizetype size = group[std::size_t(g) + 1] - group[std::size_t(g)];
        std::memcpy(to, digits.data() + group[std::size_t(g)], std::size_t(size));
        to += size;
    }
    for (int g = 0; g + 1 < groups; ++g) {
        *to++ = mark;
        const qsizetype size = count - group[std::size_t(g)];
        std::memcpy(to, digits.data() + group[std::size_t(g)], std::size_t(size));
        to += size;
    }
    if (code > 0) {
        *to++ = mark;
        std::memcpy(to, digits.data() + code, std::size_t(count - code));
        to += count - code;
    }
    out.grow(qsizetype(to - begin));
    return true;
}

} // namespace

namespace {

// Copies a field a byte for a byte into `to`, each letter as its plain letter
// and whatever stands between words as `mark`; false where a character needs
// the whole reading. `to` has room for sixteen bytes more than the field;
// `readableAfter` when sixteen bytes after the field may be read too.
bool copyPlainly(QByteArrayView text, bool readableAfter, char mark, char* to)
{
    static const std::array<char, 256>& quick = findfold::quickTable();
    qsizetype at = 0;
#if defined(__SSE2__)
    // Sixteen characters of plain ASCII at a time, from a copy with room
    // after the field's end; a character beyond ASCII, or an apostrophe, is
    // left to the table below.
    std::array<char, 256 + 16> padded;
    const char* from = text.data();
    const bool copied = !readableAfter && text.size() <= qsizetype(padded.size()) - 16;
    if (copied) {
        std::memcpy(padded.data(), text.data(), std::size_t(text.size()));
        std::memset(padded.data() + text.size(), 0, 16);
        from = padded.data();
    }
    if (readableAfter || copied) {
        const auto between = [](__m128i bytes, char low, char high) {
            return _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(char(low - 1))),
                _mm_cmplt_epi8(bytes, _mm_set1_epi8(char(high + 1))));
        };
        for (; at < text.size(); at += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
            const qsizetype left = text.size() - at;
            const uint inField = left >= 16 ? 0xFFFFu : (1u << left) - 1;
            const __m128i elision
                = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\'')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('`')));
            if ((uint(_mm_movemask_epi8(_mm_or_si128(bytes, elision))) & inField) != 0)
                break;
            const __m128i lower = _mm_or_si128(bytes, _mm_and_si128(between(bytes, 'A', 'Z'), _mm_set1_epi8(0x20)));
            const __m128i word = _mm_or_si128(between(lower, 'a', 'z'), between(bytes, '0', '9'));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at),
                _mm_or_si128(_mm_and_si128(word, lower), _mm_andnot_si128(word, _mm_set1_epi8(mark))));
        }
        if (at >= text.size())
            return true;
    }
#endif
    char slow = 0;
    for (; at < text.size(); ++at) {
        const char plain = quick[uchar(text[at])];
        slow |= char(plain == findfold::slowReading);
        to[at] = plain != 0 ? plain : mark;
    }
    return slow == 0;
}

} // namespace

void appendFieldWords(
    QByteArrayView codePageText, bool phoneNumbers, char mark, WordList& words, ByteRow& out, bool readableAfter)
{
    if (phoneNumbers && appendPhoneWords(codePageText, mark, out))
        return;
    if (!phoneNumbers) {
        // A hundred thousand cards' fields, most of them read plainly.
        char* const begin = out.room(1 + codePageText.size() + 16);
        *begin = mark;
        if (copyPlainly(codePageText, readableAfter, mark, begin + 1)) {
            out.grow(1 + codePageText.size());
            return;
        }
    }
    words.read(codePageText, mark);
    words.addTogether(phoneNumbers);
    const QByteArrayView stream = words.stream();
    std::memcpy(out.room(stream.size()), stream.data(), std::size_t(stream.size()));
    out.grow(stream.size());
}

qsizetype italianCodeLength(QByteArrayView digits, bool plusBefore)
{
    if (digits.size() > 4 && digits.startsWith("0039"))
        return 4;
    if (plusBefore && digits.size() > 2 && digits.startsWith("39"))
        return 2;
    return 0;
}

} // namespace lumidex::findwords
