#pragma once

#include <QStringView>

namespace lumidex {

// Length of an Italian tax code (codice fiscale).
inline constexpr int CodFiscLength = 16;

// True when `codice` has 16 characters and the 16th is the check character of the
// first 15, computed with the Ministry of Finance's conversion tables. The text is
// taken as given: callers upper-case it first. Only the check character is judged;
// a character outside "0" to "Z" has no table value and adds nothing to the sum.
bool CodFiscValido(QStringView codice);

} // namespace lumidex
