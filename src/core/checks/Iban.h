#pragma once

#include <QStringView>

namespace lumidex {

// Length of an Italian IBAN, the only length the IBAN check accepts.
inline constexpr int IbanLength = 27;

// The ISO 7064 MOD 97-10 remainder of an IBAN: upper-cased, a leading "IBAN"
// dropped, the first four characters moved to the end, letters turned into
// numbers (A = 10 ... Z = 35). 0 when the result is not a number, for instance
// when a character other than a digit or a letter A to Z is present.
int IbanResto97(QStringView iban);

// True when the IBAN, with every blank removed, leaves the remainder 1.
bool IbanValido(QStringView iban);

} // namespace lumidex
