#pragma once

#include <QString>
#include <QStringView>

// The program's text rules, the same in every window and file: what counts as a
// blank at either end, and which letters have a case.
namespace lumidex::text {

// Removes every character with a code from 0 to 32 at either end.
QString trimmed(QStringView text);
// The same part of `text`, without a copy.
QStringView trimmedView(QStringView text);

// Upper- and lower-casing change only the letters a to z and A to Z; accented
// letters and everything else stay as they are.
QString upperAscii(QStringView text);
QString lowerAscii(QStringView text);

// Whether `needle` occurs anywhere in `haystack`, the letters A to Z compared
// without case. An empty needle occurs nowhere.
bool containsAsciiCaseInsensitive(QStringView haystack, QStringView needle);

} // namespace lumidex::text
