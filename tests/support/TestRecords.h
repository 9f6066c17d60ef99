#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QStringList>

// Archive records as the tests build and read them, without the program's codec.
namespace lumidex::test {

// A record of `layout` with every field empty.
QStringList blankRecord(const RecordLayout& layout);
// A record of plain Latin-1 values as raw bytes: length byte, text, zeros, field
// after field.
QByteArray rawRecord(const RecordLayout& layout, const QStringList& values);
// The text of the field that starts at `offset` of raw record bytes, as stored:
// the bytes its length byte counts.
QByteArray storedField(const QByteArray& record, int offset);

} // namespace lumidex::test
