#pragma once

#include <QString>
#include <QStringView>
#include <vector>

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

// The same test for one needle against many texts (every line of a list, a
// field of every record): each text is read once, character after character,
// whatever the needle and the text repeat, so a search never slows down on
// texts of long near-misses.
class AsciiCaseInsensitiveFinder {
public:
    explicit AsciiCaseInsensitiveFinder(QStringView needle);
    bool foundIn(QStringView haystack) const;

private:
    std::vector<char16_t> m_needle;
    // For each length of needle matched, the longest shorter one that the
    // characters just read still match: where a failed match carries on.
    std::vector<qsizetype> m_fallback;
};

} // namespace lumidex::text
