#pragma once

#include <QString>
#include <QStringView>

namespace lumidex {

// Length of an Italian VAT number (partita IVA).
inline constexpr int PartitaIvaLength = 11;

// True when `numero` is 11 decimal digits whose 11th is the Luhn check digit of
// the first ten.
bool PartitaIvaValida(QStringView numero);

// The VAT office that issued a number, from its three-digit office code (digits 8
// to 10 of the number); the empty text for a code that names no office.
QString UfficioIva(QStringView codice);

} // namespace lumidex
