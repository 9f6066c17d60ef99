#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What an archive field keeps of a text that arrives in it (typed, pasted,
// dropped or composed). The records hold Windows-1252, which lacks most letters
// of Central and Eastern Europe: "Ştefănescu" would be stored as "?tef?nescu".
// A letter the code page cannot hold but whose plain form it holds is written in
// that form (Ş → S, ă → a, İ → I, ő → o, ł → l, đ → d); any other character (an
// emoji, a Chinese character) is left out. Each change is reported, so that the
// user is told what the card will keep.
namespace lumidex::storabletext {

// A character of the incoming text that the code page could not hold, as the
// user sees it (a letter with its marks, an emoji with its modifiers), and what
// took its place: its plain form, or nothing.
struct Change {
    QString character;
    QString replacement;
    // Where the replacement stands in the resulting text (where the character
    // would have stood, for one that was left out).
    qsizetype at = 0;

    bool refused() const { return replacement.isEmpty(); }
    friend bool operator==(const Change&, const Change&) = default;
};

struct Result {
    QString text;
    QList<Change> changes;
    // Where a cursor that stood at the given place of the incoming text stands.
    qsizetype cursor = 0;
};

// The plain form of one character the code page cannot hold: its canonical
// decomposition, keeping of its marks only those that still give a letter the
// code page holds (ǘ → ü, ệ → ê, Ş → S), or, for a letter that does not
// decompose, the letter a short table gives (ł → l, đ → d, ı → i, ħ → h).
// Empty when there is none.
QString plainForm(QStringView character);

// `text` as the archive keeps it: every character the code page holds stays as
// it is; a letter written decomposed ("e" and a combining acute) is composed
// again; invisible format characters (joiners, direction marks, variation
// selectors) go without a word; every other character becomes its plain form or
// is left out, and is listed among the changes. Never longer than `text`.
Result storableText(QStringView text, qsizetype cursor = 0);

// Whether every character of `text` is kept as it is.
bool isStorable(QStringView text);

} // namespace lumidex::storabletext
