#include "storage/TextField.h"

#include "common/Text.h"

#include <QtGlobal>
#include <array>
#include <cstring>

namespace lumidex::textfield {

namespace {

// The characters of bytes 0x80..0x9F. The five bytes the code page leaves
// unassigned decode as the control character of the same code, as Windows does,
// so that a field read from a file and written back keeps its bytes.
constexpr std::array<char16_t, 32> highControls { {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
} };

constexpr char unmappable = '?';

// Whether the bytes read the same in Latin-1, which Qt converts fastest: none of
// them lies in 0x80..0x9F, the only bytes where the two code pages differ.
// Written without an early exit so that the compiler checks many bytes at once.
bool readsAsLatin1(QByteArrayView bytes)
{
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    unsigned differs = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        differs |= unsigned((in[i] & 0xE0) == 0x80);
    return differs == 0;
}

// Every byte's character, looked up rather than worked out: a scan converts the
// text of a hundred thousand records.
constexpr std::array<char16_t, 256> charOfByte = [] {
    std::array<char16_t, 256> table {};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = byte >= 0x80 && byte <= 0x9F ? highControls[byte - 0x80] : char16_t(byte);
    return table;
}();

char16_t charOf(uchar byte)
{
    return charOfByte[byte];
}

// -1 when the code page has no byte for the character.
int windows1252Byte(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == ch)
            return int(0x80 + i);
    return -1;
}

} // namespace

bool isStorable(QChar c)
{
    return !c.isSurrogate() && windows1252Byte(c.unicode()) >= 0;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A character outside the basic plane (an emoji, say) takes two UTF-16
        // units but is still one character, hence one '?'.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append(unmappable);
            ++i;
            continue;
        }
        const int byte = windows1252Byte(ch.unicode());
        bytes.append(byte < 0 ? unmappable : char(byte));
    }
    return bytes;
}

void fromWindows1252(QByteArrayView bytes, QChar* out)
{
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(charOf(in[i]));
}

QString fromWindows1252(QByteArrayView bytes)
{
    if (readsAsLatin1(bytes))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    fromWindows1252(bytes, text.data());
    return text;
}

void encode(QStringView text, int capacity, char* out)
{
    Q_ASSERT(capacity >= 1 && capacity <= 255);
    const QByteArray bytes = toWindows1252(lumidex::text::trimmed(text));
    const int length = int(qMin<qsizetype>(bytes.size(), capacity));
    out[0] = char(uchar(length));
    std::memcpy(out + 1, bytes.constData(), std::size_t(length));
    std::memset(out + 1 + length, 0, std::size_t(capacity - length));
}

QByteArrayView storedText(const char* in, int capacity)
{
    int begin = 1;
    int end = 1 + qMin(int(uchar(in[0])), capacity);
    // Bytes 0..32 are exactly the characters 0..32, so trimming the bytes before
    // converting them gives the same text without a second copy.
    while (begin < end && uchar(in[begin]) <= 32)
        ++begin;
    while (end > begin && uchar(in[end - 1]) <= 32)
        --end;
    return QByteArrayView(in + begin, end - begin);
}

QString decode(const char* in, int capacity)
{
    return fromWindows1252(storedText(in, capacity));
}

void decode(const char* in, int capacity, QString& into)
{
    const QByteArrayView bytes = storedText(in, capacity);
    // The buffer is kept when it is large enough; a text shared with a copy the
    // caller kept is detached first, so the copy keeps its value.
    if (into.size() != bytes.size())
        into.resize(bytes.size());
    if (!bytes.isEmpty())
        fromWindows1252(bytes, into.data());
}

} // namespace lumidex::textfield
