#include "gui/registry/FieldTyping.h"

#include "common/Text.h"
#include "ui/Interaction.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

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

namespace {

class CodePaste : public QObject {
public:
    CodePaste(QLineEdit& field, CodeKeys keys)
        : QObject(&field)
        , m_field(field)
        , m_keys(keys)
    {
        field.setAcceptDrops(false);
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
                insert(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
                && QGuiApplication::clipboard()->supportsSelection()) {
                insert(QGuiApplication::clipboard()->text(QClipboard::Selection));
                return true;
            }
            return false;
        case QEvent::ContextMenu:
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
        }
    }

private:
    void insert(const QString& text)
    {
        if (m_field.isReadOnly())
            return;
        QString kept;
        for (const QChar c : text) {
            if (codeCharPasses(c, m_keys))
                kept.append(c);
        }
        m_field.insert(kept);
    }

    // The field's own menu, whose "Incolla" goes through the filter too.
    void showMenu(const QPoint& at)
    {
        std::unique_ptr<QMenu> menu(m_field.createStandardContextMenu());
        if (QAction* paste = pasteActionOf(*menu)) {
            paste->disconnect();
            connect(paste, &QAction::triggered, this,
                [this] { insert(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
        }
        interaction().runMenu(*menu, at);
    }

    QLineEdit& m_field;
    CodeKeys m_keys;
};

} // namespace

QAction* pasteActionOf(const QMenu& menu)
{
    // The standard menu names its paste action only by its text, which ends in
    // the paste shortcut whatever the language.
    const QString shortcut = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions()) {
        if (action->text().endsWith(shortcut))
            return action;
    }
    return nullptr;
}

void filterPastedText(QLineEdit& field, CodeKeys keys)
{
    new CodePaste(field, keys);
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
