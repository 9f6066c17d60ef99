#include "checks/CodFisc.h"

#include <array>

namespace lumidex {

namespace {

// Indexed by the character code minus '0', from "0" to "Z". The seven
// characters between "9" and "A" have no meaning in a tax code and count 0.
constexpr std::array<int, 43> oddValues {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, // 0-9
    0, 0, 0, 0, 0, 0, 0, // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, // A-J
    2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23 // K-Z
};

constexpr std::array<int, 43> evenValues {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, // 0-9
    0, 0, 0, 0, 0, 0, 0, // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, // A-N
    14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25 // O-Z
};

int characterValue(QChar c, bool oddPosition)
{
    const char16_t code = c.unicode();
    if (code < u'0' || code > u'Z')
        return 0;
    const auto index = static_cast<std::size_t>(code - u'0');
    return oddPosition ? oddValues[index] : evenValues[index];
}

} // namespace

bool CodFiscValido(QStringView codice)
{
    if (codice.size() != CodFiscLength)
        return false;
    int sum = 0;
    for (int i = 0; i < CodFiscLength - 1; ++i) {
        // Positions are counted from 1, so index 0 is the first odd position.
        sum += characterValue(codice[i], i % 2 == 0);
    }
    const QChar check(u'A' + sum % 26);
    return codice[CodFiscLength - 1] == check;
}

} // namespace lumidex
