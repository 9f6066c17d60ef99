#include "password/Scrambler.h"

#include <cstdint>

namespace lumidex::scrambler {
namespace {

constexpr std::uint16_t startKey = 7318;
constexpr std::uint16_t multiplier = 30829;
constexpr std::uint16_t addend = 46172;

// The key is advanced with the scrambled byte in both directions, which is what
// makes unscramble the exact inverse of scramble.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled)
{
    const std::uint32_t wide = (std::uint32_t(scrambled) + key) * multiplier + addend;
    return static_cast<std::uint16_t>(wide & 0xFFFF);
}

std::uint8_t keyMask(std::uint16_t key)
{
    return static_cast<std::uint8_t>(key >> 8);
}

int hexDigit(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString scramble(QStringView text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString result;
    result.reserve(text.size() * 2);
    std::uint16_t key = startKey;
    for (const QChar ch : text) {
        const auto clear = static_cast<std::uint8_t>(ch.unicode() & 0xFF);
        const auto scrambled = static_cast<std::uint8_t>(clear ^ keyMask(key));
        result.append(QLatin1Char(digits[scrambled >> 4]));
        result.append(QLatin1Char(digits[scrambled & 0x0F]));
        key = nextKey(key, scrambled);
    }
    return result;
}

std::optional<QString> unscramble(QStringView hex)
{
    const qsizetype pairs = hex.size() / 2;
    QString result;
    result.reserve(pairs);
    std::uint16_t key = startKey;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto scrambled = static_cast<std::uint8_t>(high * 16 + low);
        result.append(QChar(char16_t(scrambled ^ keyMask(key))));
        key = nextKey(key, scrambled);
    }
    return result;
}

} // namespace lumidex::scrambler
