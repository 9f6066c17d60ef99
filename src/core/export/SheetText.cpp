#include "export/SheetText.h"

#include "storage/TextField.h"

#include <QByteArray>
#include <QString>
#include <QtAlgorithms>
#include <array>
#include <charconv>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lumidex::sheettext {

namespace {

// The characters of bytes 0x80..0xFF, taken from the archives' own codec so that
// the spreadsheet and the archives agree on every byte.
const std::array<char16_t, 128>& upperHalf()
{
    static const std::array<char16_t, 128> chars = [] {
        QByteArray bytes(128, Qt::Uninitialized);
        for (int i = 0; i < 128; ++i)
            bytes[i] = char(0x80 + i);
        const QString decoded = textfield::fromWindows1252(bytes);
        std::array<char16_t, 128> table {};
        for (int i = 0; i < 128; ++i)
            table[std::size_t(i)] = decoded[i].unicode();
        return table;
    }();
    return chars;
}

// -1 when the code page has no byte for the character.
int byteOf(char16_t ch)
{
    const auto& upper = upperHalf();
    if (ch >= 0xA0 && ch <= 0xFF && upper[ch - 0x80] == ch)
        return ch;
    for (std::size_t i = 0; i < upper.size(); ++i)
        if (upper[i] == ch)
            return int(0x80 + i);
    return -1;
}

template <std::size_t N> char* putEntity(char* out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

char* putReference(char* out, char32_t codePoint)
{
    out = putEntity(out, "&#");
    out = std::to_chars(out, out + 7, std::uint32_t(codePoint)).ptr;
    *out++ = ';';
    return out;
}

// Whether every character is ASCII and none needs an entity. Written without an
// early exit so that the compiler can check many characters at a time: most
// cells are plain, and a large archive has millions of them.
bool isPlain(const char16_t* chars, qsizetype size)
{
    unsigned special = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = chars[i];
        special |= unsigned(ch >= 0x80) | unsigned(ch == u'&') | unsigned(ch == u'<') | unsigned(ch == u'>');
    }
    return special == 0;
}

// ASCII characters are their own bytes.
char* narrow(char* out, const char16_t* chars, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(chars[i]);
    return out + size;
}

} // namespace

namespace {

// Calls `found` with the place of every "&", "<" and ">" of `size` bytes at
// `in`, first to last, until it returns false. Sixteen bytes are looked at a
// time: a row of an archive is looked through in a few dozen steps.
template <typename Found> void forEachMarkup(const char* in, qsizetype size, Found found)
{
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i amp = _mm_set1_epi8('&');
    const __m128i lt = _mm_set1_epi8('<');
    const __m128i gt = _mm_set1_epi8('>');
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        unsigned hits = unsigned(_mm_movemask_epi8(_mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, amp), _mm_cmpeq_epi8(bytes, lt)), _mm_cmpeq_epi8(bytes, gt))));
        for (; hits != 0; hits &= hits - 1) {
            if (!found(i + qCountTrailingZeroBits(hits)))
                return;
        }
    }
#endif
    for (; i < size; ++i) {
        if ((in[i] == '&' || in[i] == '<' || in[i] == '>') && !found(i))
            return;
    }
}

} // namespace

bool hasMarkup(QByteArrayView stored)
{
    bool any = false;
    forEachMarkup(stored.data(), stored.size(), [&](qsizetype) {
        any = true;
        return false;
    });
    return any;
}

quint64 markupCells(const char* row, const quint16* ends, qsizetype cells)
{
    if (cells == 0)
        return 0;
    quint64 mask = 0;
    qsizetype cell = 0;
    forEachMarkup(row, ends[cells - 1], [&](qsizetype at) {
        while (ends[cell] <= at)
            ++cell;
        mask |= quint64(1) << qMin(cell, qsizetype(63));
        return true;
    });
    return mask;
}

char* writeEscaped(char* out, QByteArrayView stored)
{
    const char* in = stored.data();
    for (qsizetype i = 0; i < stored.size(); ++i) {
        switch (in[i]) {
        case '&':
            out = putEntity(out, "&amp;");
            break;
        case '<':
            out = putEntity(out, "&lt;");
            break;
        case '>':
            out = putEntity(out, "&gt;");
            break;
        default:
            *out++ = in[i];
        }
    }
    return out;
}

char* writeCellText(char* out, QStringView text)
{
    text = withoutBlankEnds(text);
    const char16_t* chars = text.utf16();
    const qsizetype end = text.size();
    if (isPlain(chars, end))
        return narrow(out, chars, end);

    qsizetype i = 0;
    while (i < end) {
        // A run of plain characters goes over as it is; the character after it
        // needs a second look.
        qsizetype run = i;
        while (run < end && isPlain(chars + run, 1))
            ++run;
        out = narrow(out, chars + i, run - i);
        if (run == end)
            break;
        i = run + 1;
        const char16_t ch = chars[run];
        switch (ch) {
        case u'&':
            out = putEntity(out, "&amp;");
            continue;
        case u'<':
            out = putEntity(out, "&lt;");
            continue;
        case u'>':
            out = putEntity(out, "&gt;");
            continue;
        default:
            break;
        }
        // A character outside the basic plane (an emoji, say) is one reference,
        // not two halves.
        if (QChar::isHighSurrogate(ch) && i < end && QChar::isLowSurrogate(chars[i])) {
            out = putReference(out, QChar::surrogateToUcs4(ch, chars[i]));
            ++i;
            continue;
        }
        // Half of a pair without its other half stands for no character at all.
        if (QChar::isSurrogate(ch)) {
            out = putReference(out, QChar::ReplacementCharacter);
            continue;
        }
        const int byte = byteOf(ch);
        if (byte < 0)
            out = putReference(out, ch);
        else
            *out++ = char(byte);
    }
    return out;
}

} // namespace lumidex::sheettext
