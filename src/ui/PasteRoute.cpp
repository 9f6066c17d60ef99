#include "ui/PasteRoute.h"

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

class PasteFilter : public QObject {
public:
    PasteFilter(QLineEdit& field, PasteForm form)
        : QObject(&field)
        , m_field(field)
        , m_form(std::move(form))
    {
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
        m_field.insert(m_form(text));
    }

    // The field's own menu, whose "Incolla" goes through the form too.
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
    PasteForm m_form;
};

} // namespace

void routePastes(QLineEdit& field, PasteForm form)
{
    new PasteFilter(field, std::move(form));
}

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

} // namespace lumidex
