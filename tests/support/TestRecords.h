#pragma once

#include "search/ArchiveSearch.h"
#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <initializer_list>
#include <string_view>
#include <utility>

// Archive records as the tests build and read them, without the program's codec.
namespace lumidex::test {

// A text field of a stored record: where it starts (its length byte) and how many
// characters it holds.
struct FieldShape {
    const char* name;
    int offset;
    int capacity;
};

// The two records field by field, in record order, written out here rather than
// taken from the program's layouts, so that a field the program puts in the wrong
// place or makes the wrong size fails the tests that build or read records.
// The registry card: 32 fields, 3847 bytes.
const QList<FieldShape>& registryRecordFields();
inline constexpr int registryRecordSize = 3847;
// The book entry: 18 fields, 3548 bytes.
const QList<FieldShape>& bookRecordFields();
inline constexpr int bookRecordSize = 3548;

// A record of `layout` with every field empty.
QStringList blankRecord(const RecordLayout& layout);
// A card of `layout` with the named fields holding their values and every
// other field empty; a name the layout does not have stops the test program.
QStringList namedFieldCard(
    const RecordLayout& layout, std::initializer_list<std::pair<std::string_view, QString>> values);
// A record of plain Latin-1 values as raw bytes: length byte, text, zeros, field
// after field.
QByteArray rawRecord(const QList<FieldShape>& fields, const QStringList& values);
// The text of the field that starts at `offset` of raw record bytes, as stored:
// the bytes its length byte counts.
QByteArray storedField(const QByteArray& record, int offset);

// Hands `values`, stored as a record of `layout`, to a search's visit at
// `position`, as an archive that visits its records in one run would; the
// visit's answer.
bool visitRecord(const RecordVisit& visit, const RecordLayout& layout, int position, const QStringList& values);

} // namespace lumidex::test
