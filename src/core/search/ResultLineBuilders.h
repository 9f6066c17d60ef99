#pragma once

#include <QString>
#include <QStringList>

namespace lumidex {

// Builds the result line of one record.
using LineBuilder = QString (*)(const QStringList& record);

} // namespace lumidex

// The builders of the fixed-width lines that stand for a record in a search's
// result list. The list keeps nothing else: a chosen line is found again in the
// archive by building every record's line anew and comparing, so both must be
// built here and nowhere else.
namespace lumidex::resultline {

// `value` trimmed, then padded with blanks or cut to exactly `width` characters.
QString column(QStringView value, int width);

// A registry card: name (30), sex (1), citizenship (20), phone (14), mobile (14),
// then the whole notes, each after its label.
QString registry(const QStringList& record);
// A photo book entry: title (50), date (10), location (30), then the whole notes.
QString book(const QStringList& record);

} // namespace lumidex::resultline
