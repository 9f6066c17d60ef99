#pragma once

#include <QByteArrayView>
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

// Whether a spreadsheet program would take the cell for a number, a date or a
// formula and change what was typed ("00184" read as 184, "1e5" as 100000,
// "=1+1" worked out as 2): a text, without its blanks at either end, that
// begins with a digit, "+", "-", "=", "." or ",". Such a cell is marked as text.
inline bool beginsLikeNumber(char16_t first)
{
    return (first >= u'0' && first <= u'9') || first == u'+' || first == u'-' || first == u'=' || first == u'.'
        || first == u',';
}
inline bool mightBeReadAsNumber(QStringView text)
{
    text = withoutBlankEnds(text);
    return !text.isEmpty() && beginsLikeNumber(text.front().unicode());
}
// The same for a cell as the archive stores it: in the code page, already
// without blanks at either end.
inline bool mightBeReadAsNumber(QByteArrayView stored)
{
    return !stored.isEmpty() && beginsLikeNumber(char16_t(uchar(stored.front())));
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

// The most bytes one byte of a stored text can take once written ("&amp;").
inline constexpr qsizetype maxBytesPerStoredByte = 5;

// Whether a stored text holds a character that is markup in the document
// ("&", "<" or ">"): most texts of an archive hold none, and go over as they are.
bool hasMarkup(QByteArrayView stored);
// The cells of a row (`cells` texts side by side at `row`, each ending at its
// `ends` entry) that hold markup, one bit a cell from the lowest; bit 63 stands
// for the 64th cell and every one after it.
quint64 markupCells(const char* row, const quint16* ends, qsizetype cells);

// Writes a text as the archive stores it (in the code page, already without
// blanks at either end) at `out`, with "&", "<" and ">" as entities, and
// returns the end of what it wrote; `out` must have room for
// maxBytesPerStoredByte bytes per byte. Every other byte is the same character
// in the spreadsheet as in the archive.
char* writeEscaped(char* out, QByteArrayView stored);

} // namespace lumidex::sheettext
