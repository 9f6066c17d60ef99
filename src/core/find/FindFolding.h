#pragma once

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>
#include <array>

// How the find as you type reads a character of the archives' code page: what
// it is to the words of a field, and the plain lower-case letters it counts as,
// so that "niccolo" finds "NICCOLÒ", "oyvind" finds "Øyvind" and "strasse"
// finds "Straße".
namespace lumidex::findfold {

enum class CharKind : quint8 {
    // Ends a word and joins nothing: most punctuation and symbols.
    Other,
    // A letter, with the one or two plain letters it counts as.
    Letter,
    // One of the digits 0 to 9.
    Digit,
    // Joins the two halves of an elided word ("D'Angelo", "dell’Acqua").
    Apostrophe,
    // A blank: ends a word, and separates the words typed.
    Blank,
    // Punctuation that a phone number is written with (". - / ( ) +").
    PhoneMark,
};

struct FoldedChar {
    CharKind kind = CharKind::Other;
    // How many plain letters or digits the character counts as (0 to 2).
    quint8 size = 0;
    std::array<char, 2> plain {};
};

// The reading of every byte of the code page. A letter counts as its canonical
// decomposition without the marks (the decomposition that makes a letter
// storable), in lower case; the letters that do not decompose count as the
// letters they are written with: "Æ" and "æ" as "ae", "Œ" and "œ" as "oe",
// "ß" as "ss", "Ø" and "ø" as "o", "Ð" and "ð" as "d", "Þ" and "þ" as "th".
// Any other letter (µ, ª, º, ƒ) is Other.
const std::array<FoldedChar, 256>& table();

// The same reading as one byte per byte, for the common case: the one plain
// letter or digit of a letter or digit, 0 for a character between words, and
// `slowReading` for a character that needs the whole reading (a letter
// written with two, an apostrophe that may join an elision).
constexpr char slowReading = '\xFF';
const std::array<char, 256>& quickTable();

// A text typed in the find field, in the code page: a character the code page
// does not hold takes the plain form a card field would give it ("Ł" → "L"),
// or, having none (an emoji), becomes a blank.
QByteArray typedText(QStringView typed);

} // namespace lumidex::findfold
