#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumidex {

class RecordView;

// Builds the result line of one record into `line`, which it empties first, in
// the archives' code page: straight from the record's bytes, with no text made
// for any field.
using LineBuilder = void (*)(const RecordView& record, QByteArray& line);

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
void registry(const RecordView& record, QByteArray& line);
// A photo book entry: title (50), date (10), location (30), then the whole notes.
void book(const RecordView& record, QByteArray& line);

// The same lines for values at hand, as they would read once stored.
QString registry(const QStringList& values);
QString book(const QStringList& values);

} // namespace lumidex::resultline
