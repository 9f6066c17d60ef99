#include "find/FindFolding.h"

#include "storage/StorableText.h"
#include "storage/TextField.h"

#include <QChar>
#include <QString>
#include <string_view>
#include <utility>

namespace lumidex::findfold {

namespace {

// Letters without a canonical decomposition, with the letters they are
// written as where a keyboard has no key for them.
constexpr std::array<std::pair<char16_t, std::string_view>, 11> writtenAs { {
    { u'Æ', "ae" },
    { u'æ', "ae" },
    { u'Œ', "oe" },
    { u'œ', "oe" },
    { u'ß', "ss" },
    { u'Ø', "o" },
    { u'ø', "o" },
    { u'Ð', "d" },
    { u'ð', "d" },
    { u'Þ', "th" },
    { u'þ', "th" },
} };

bool isApostrophe(char16_t c)
{
    return c == u'\'' || c == u'‘' || c == u'’' || c == u'`' || c == u'´';
}

bool isPhoneMark(char16_t c)
{
    return c == u'.' || c == u'-' || c == u'/' || c == u'(' || c == u')' || c == u'+' || c == u'–' || c == u'—';
}

FoldedChar letters(std::string_view plain)
{
    FoldedChar folded { CharKind::Letter, 0, {} };
    for (const char letter : plain.substr(0, folded.plain.size()))
        folded.plain[folded.size++] = letter;
    return folded;
}

FoldedChar readingOf(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return { CharKind::Digit, 1, { char(c), 0 } };
    if (c <= 32 || c == 0xA0)
        return { CharKind::Blank, 0, {} };
    if (isApostrophe(c))
        return { CharKind::Apostrophe, 0, {} };
    if (isPhoneMark(c))
        return { CharKind::PhoneMark, 0, {} };
    if (!QChar(c).isLetter())
        return {};
    const QString base = QString(QChar(c)).normalized(QString::NormalizationForm_D).left(1);
    const char16_t first = base.isEmpty() ? c : base.at(0).unicode();
    if (first < 0x80 && QChar(first).isLetter()) {
        const char lower = char(QChar(first).toLower().unicode());
        return letters(std::string_view(&lower, 1));
    }
    for (const auto& [letter, plain] : writtenAs)
        if (letter == c)
            return letters(plain);
    return {};
}

} // namespace

const std::array<FoldedChar, 256>& table()
{
    static const std::array<FoldedChar, 256> readings = [] {
        std::array<FoldedChar, 256> all {};
        for (int byte = 0; byte < 256; ++byte) {
            const char one = char(byte);
            all[std::size_t(byte)] = readingOf(textfield::fromWindows1252(QByteArrayView(&one, 1)).at(0).unicode());
        }
        return all;
    }();
    return readings;
}

const std::array<char, 256>& quickTable()
{
    static const std::array<char, 256> quick = [] {
        std::array<char, 256> all {};
        for (std::size_t byte = 0; byte < all.size(); ++byte) {
            const FoldedChar& c = table()[byte];
            if (c.size == 1)
                all[byte] = c.plain[0];
            else if (c.size > 1 || c.kind == CharKind::Apostrophe)
                all[byte] = slowReading;
        }
        return all;
    }();
    return quick;
}

QByteArray typedText(QStringView typed)
{
    storabletext::Result storable = storabletext::storableText(typed);
    // A character left out still parts the words on either side of it.
    for (qsizetype i = storable.changes.size() - 1; i >= 0; --i)
        if (storable.changes.at(i).refused())
            storable.text.insert(storable.changes.at(i).at, QLatin1Char(' '));
    return textfield::toWindows1252(storable.text);
}

} // namespace lumidex::findfold
