#pragma once

#include <QDate>
#include <QSize>
#include <QString>

namespace lumidex {

// The program's one date form, whatever the system says: two-digit day and month,
// four-digit year, joined by "/".
inline constexpr auto shortDateFormat = "dd/MM/yyyy";

QString formatShortDate(const QDate& date);

// Dates as "dd/mm/yyyy" and numbers with a decimal comma, for the whole process.
void applyFormatSettings();

// Upper-cases only the letters a to z, as every comparison and typing rule of the
// program does; accented letters and everything else stay as they are.
QString upperAsciiLetters(QString text);

// The largest size with the proportions of `picture` that fits in `frame`.
QSize fitInto(const QSize& picture, const QSize& frame);

} // namespace lumidex
