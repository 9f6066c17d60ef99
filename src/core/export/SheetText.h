#pragma once

#include <QStringView>

// Text as it goes into the spreadsheet document: Windows-1252 bytes, the same
// code page as the archives, inside HTML markup.
namespace lumidex::sheettext {

// The text without the blanks at either end (codes 0 to 32), as cells are
// shown and written.
inline QStringView withoutBlankEnds(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= 32)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}

// The most bytes one character of a text can take once written ("&#1114111;").
inline constexpr qsizetype maxBytesPerChar = 10;

// Writes `text` at `out` without its blanks at either end (codes 0 to 32) and
// returns the end of what it wrote; `out` must have room for maxBytesPerChar
// bytes per character. "&", "<" and ">" become "&amp;", "&lt;" and "&gt;", so
// that a cell reads back exactly as it was typed; a character the code page
// cannot hold becomes a numeric character reference ("&#1046;"), so that nothing
// typed is lost.
char* writeCellText(char* out, QStringView text);

} // namespace lumidex::sheettext
