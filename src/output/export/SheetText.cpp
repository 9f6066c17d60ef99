#include "output/export/SheetText.h"

#include "storage/TextField.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <charconv>
#include <cstring>

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

template <std::size_t N> char* put(char* out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

char* putReference(char* out, char32_t codePoint)
{
    out = put(out, "&#");
    out = std::to_chars(out, out + 7, std::uint32_t(codePoint)).ptr;
    *out++ = ';';
    return out;
}

} // namespace

char* writeCellText(char* out, QStringView text)
{
    text = withoutBlankEnds(text);
    const char16_t* chars = text.utf16();
    const qsizetype end = text.size();
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t ch = chars[i];
        if (ch < 0x80) {
            switch (ch) {
            case u'&':
                out = put(out, "&amp;");
                break;
            case u'<':
                out = put(out, "&lt;");
                break;
            case u'>':
                out = put(out, "&gt;");
                break;
            default:
                *out++ = char(ch);
            }
            continue;
        }
        // A character outside the basic plane (an emoji, say) is one reference,
        // not two halves.
        if (QChar::isHighSurrogate(ch) && i + 1 < end && QChar::isLowSurrogate(chars[i + 1])) {
            out = putReference(out, QChar::surrogateToUcs4(ch, chars[i + 1]));
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
