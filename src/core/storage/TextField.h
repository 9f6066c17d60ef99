#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A text field of an archive record: one length byte, then `capacity` bytes of
// Windows-1252 text. Archives written by earlier installations use this exact
// form, so the code page is implemented here rather than left to the system.
namespace lumidex::textfield {

// Whether the code page holds the character (a surrogate pair half never).
bool isStorable(QChar c);

// Windows-1252 conversion. A character the code page cannot hold becomes '?'.
QByteArray toWindows1252(QStringView text);
QString fromWindows1252(QByteArrayView bytes);

// Writes the field into `out`, which holds capacity + 1 bytes: the text is
// trimmed, converted, cut to the capacity; the unused tail is zeroed.
void encode(QStringView text, int capacity, char* out);

// Reads a field of `capacity` from `in` (capacity + 1 bytes). A length byte
// larger than the capacity, as found in a damaged file, reads as the capacity.
QString decode(const char* in, int capacity);
// The same into `into`, whose buffer is reused: a scan that reads a field of
// every record allocates nothing once the buffer is large enough.
void decode(const char* in, int capacity, QString& into);
// The bytes of the text that decode() reads, still in the code page: the stored
// text without the blanks (codes 0 to 32) at either end. One byte is one character.
QByteArrayView storedText(const char* in, int capacity);
// Converts `bytes` from Windows-1252 into `out`, which has room for one QChar per byte.
void fromWindows1252(QByteArrayView bytes, QChar* out);

} // namespace lumidex::textfield
