#pragma once

#include <QChar>

class QKeyEvent;
class QLineEdit;

namespace lumidex {

// What a code field lets through when a key goes down in it.
enum class CodeKeys {
    // Tax code and IBAN.
    LettersAndDigits,
    // VAT number.
    Digits,
};

// Whether the field holds the character: what its key filter lets through, and
// all that survives of pasted text.
bool codeCharPasses(QChar c, CodeKeys keys);

// Whether the key may reach the field. Backspace, Delete, Left and Right always
// pass; any other key only when its character is one the field holds, so blanks,
// punctuation, accented letters, Tab, Home and End change nothing.
bool codeKeyPasses(const QKeyEvent& key, CodeKeys keys);

// Makes pasting into a code field follow the key filter: Ctrl+V, Shift+Insert,
// the context menu's paste and a middle click insert only the characters the
// filter lets through, so a pasted "AB 12-cd" arrives as "AB12cd" (and, cut to
// the field's length, never loses a character to the blanks it dropped).
// Text dropped with the mouse is not taken.
void filterPastedText(QLineEdit& field, CodeKeys keys);

enum class TypedText {
    Trimmed,
    TrimmedUpperCase,
};

// Puts the text the user just typed into its proper form, keeping the cursor on
// the same character. Called on edits only: texts from the archive or the search
// are shown as they are.
void rewriteTypedText(QLineEdit& field, TypedText form);

} // namespace lumidex
