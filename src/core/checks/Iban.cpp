#include "checks/Iban.h"

#include "common/Text.h"

#include "common/Formatting.h"

#include <QString>
#include <optional>

namespace lumidex {

namespace {

// Reads a run of decimal digits. Signs, blanks and anything else make the
// piece unreadable, so a stray "-" or "+" can never turn into a number.
std::optional<qint64> readWholeNumber(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString lettersToNumbers(QStringView text)
{
    QString digits;
    digits.reserve(text.size() * 2);
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - 55);
        else
            digits += c;
    }
    return digits;
}

} // namespace

int IbanResto97(QStringView iban)
{
    QString code = text::upperAscii(iban);
    const qsizetype prefix = code.indexOf(QLatin1String("IBAN"));
    if (prefix >= 0)
        code.remove(prefix, 4);
    code = code.mid(4) + code.left(4);
    const QString digits = lettersToNumbers(code);

    // The number is far too long for any integer type, so it is reduced in
    // pieces of at most nine digits: the remainder so far followed by fresh
    // digits never exceeds nine digits.
    QString carry;
    int remainder = 0;
    qsizetype position = 0;
    qsizetype pieceLength = 9;
    while (position < digits.size()) {
        carry += QStringView(digits).mid(position, pieceLength);
        const auto number = readWholeNumber(carry);
        if (!number)
            return 0;
        remainder = static_cast<int>(*number % 97);
        position += pieceLength;
        carry = QString::number(remainder);
        pieceLength = 9 - carry.size();
    }
    return remainder;
}

bool IbanValido(QStringView iban)
{
    QString compact = iban.toString();
    compact.remove(u' ');
    return IbanResto97(compact) == 1;
}

} // namespace lumidex
