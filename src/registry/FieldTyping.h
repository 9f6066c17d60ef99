#pragma once

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

// Whether the key may reach the field. Backspace, Delete, Left and Right always
// pass; any other key only when its character is one the field holds, so blanks,
// punctuation, accented letters, Tab, Home and End change nothing.
bool codeKeyPasses(const QKeyEvent& key, CodeKeys keys);

enum class TypedText {
    Trimmed,
    TrimmedUpperCase,
};

// Puts the text the user just typed into its proper form, keeping the cursor on
// the same character. Called on edits only: texts from the archive or the search
// are shown as they are.
void rewriteTypedText(QLineEdit& field, TypedText form);

} // namespace lumidex
