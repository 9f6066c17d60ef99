#include "ui/StorableInput.h"

#include "editing/FieldValidator.h"
#include "storage/StorableText.h"
#include "texts/EditorTexts.h"
#include "ui/PasteRoute.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace lumidex {

namespace {

class StorableInput : public QObject {
public:
    StorableInput(QLineEdit& field, TellUser tell)
        : QObject(&field)
        , m_field(field)
        , m_tell(std::move(tell))
    {
        // Text set by the program (another window's) gets the same form; what
        // arrives from the user was put in form before the field saw it.
        field.setValidator(new FieldValidator(
            [this](const QList<storabletext::Change>& changes) { m_tell(editortext::storableNotice(changes)); },
            &field));
        routePastes(field, [this](const QString& pasted) { return admit(pasted); });
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return retype(static_cast<QKeyEvent*>(event));
        case QEvent::Drop:
            return redrop(static_cast<QDropEvent*>(event));
        case QEvent::InputMethod:
            return recompose(static_cast<QInputMethodEvent*>(event));
        default:
            return false;
        }
    }

private:
    // The arriving text in stored form. The user hears of the changes to what
    // the field has room for; the rest the field's length cuts off anyway.
    QString admit(const QString& arriving)
    {
        const storabletext::Result kept = storabletext::storableText(arriving);
        const qsizetype room
            = qMax(0, m_field.maxLength() - int(m_field.text().size()) + int(m_field.selectedText().size()));
        QList<storabletext::Change> taken;
        for (const storabletext::Change& change : kept.changes) {
            if (change.at < room)
                taken << change;
        }
        if (!taken.isEmpty())
            m_tell(editortext::storableNotice(taken));
        return kept.text;
    }

    // A key is typed again as its plain letter, so that the field and the
    // window's key filter take it as any key; a character without one is not typed.
    bool retype(QKeyEvent* key)
    {
        if (storabletext::isStorable(key->text()))
            return false;
        const QString plain = admit(key->text());
        if (!plain.isEmpty()) {
            QKeyEvent again(key->type(), key->key(), key->modifiers(), plain, key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(&m_field, &again);
        }
        return true;
    }

    bool redrop(QDropEvent* drop)
    {
        const QMimeData* data = drop->mimeData();
        if (m_field.isReadOnly() || !data || !data->hasText() || storabletext::isStorable(data->text()))
            return false;
        const QString plain = admit(data->text());
        if (plain.isEmpty()) {
            drop->ignore();
            return true;
        }
        QMimeData kept;
        kept.setText(plain);
        QDropEvent again(drop->position(), drop->possibleActions(), &kept, drop->buttons(), drop->modifiers());
        again.setDropAction(drop->dropAction());
        QCoreApplication::sendEvent(&m_field, &again);
        drop->setDropAction(again.dropAction());
        drop->setAccepted(again.isAccepted());
        return true;
    }

    bool recompose(QInputMethodEvent* composed)
    {
        if (storabletext::isStorable(composed->commitString()))
            return false;
        QInputMethodEvent again(composed->preeditString(), composed->attributes());
        again.setCommitString(
            admit(composed->commitString()), composed->replacementStart(), composed->replacementLength());
        QCoreApplication::sendEvent(&m_field, &again);
        return true;
    }

    QLineEdit& m_field;
    TellUser m_tell;
};

} // namespace

void keepStorable(QLineEdit& field, TellUser tell)
{
    new StorableInput(field, std::move(tell));
}

} // namespace lumidex
