#pragma once

#include <QDate>
#include <QString>

namespace lumidex {

// The program's one date form, whatever the system says: two-digit day and month,
// four-digit year, joined by "/".
inline constexpr auto shortDateFormat = "dd/MM/yyyy";

QString formatShortDate(const QDate& date);

// Dates as "dd/mm/yyyy" and numbers with a decimal comma, for the whole process.
void applyFormatSettings();

} // namespace lumidex
