#include "gui/registry/FieldTyping.h"

#include "common/Text.h"
#include "ui/PasteRoute.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace lumidex {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

bool codeCharPasses(QChar c, CodeKeys keys)
{
    return isDigit(c) || (keys == CodeKeys::LettersAndDigits && isAsciiLetter(c));
}

bool codeKeyPasses(const QKeyEvent& key, CodeKeys keys)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        break;
    }
    // Select all, copy, cut, paste and undo stay at hand; what they put into the
    // field is put in form like anything typed.
    const Qt::KeyboardModifiers held = key.modifiers();
    if (held.testFlag(Qt::ControlModifier) && !held.testFlag(Qt::AltModifier) && key.key() >= Qt::Key_A
        && key.key() <= Qt::Key_Z)
        return true;

    const QString typed = key.text();
    if (typed.size() != 1)
        return false;
    return codeCharPasses(typed.front(), keys);
}

void filterPastedText(QLineEdit& field, CodeKeys keys)
{
    field.setAcceptDrops(false);
    routePastes(field, [keys](const QString& pasted) {
        QString kept;
        for (const QChar c : pasted) {
            if (codeCharPasses(c, keys))
                kept.append(c);
        }
        return kept;
    });
}

void rewriteTypedText(QLineEdit& field, TypedText form)
{
    const QString text = field.text();
    QString proper = text::trimmed(text);
    if (form == TypedText::TrimmedUpperCase)
        proper = text::upperAscii(proper);
    if (proper == text)
        return;

    // Only blanks at the ends go, so the cursor moves back by those in front of it.
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].unicode() <= 32)
        ++leading;
    const qsizetype cursor = qBound<qsizetype>(0, field.cursorPosition() - leading, proper.size());
    field.setText(proper);
    field.setCursorPosition(int(cursor));
}

} // namespace lumidex
