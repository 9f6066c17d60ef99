#include "gui/find/FindAsYouType.h"

#include "common/Text.h"
#include "find/FindKeeper.h"
#include "gui/find/FindPopup.h"
#include "texts/FindTexts.h"
#include "ui/PictureButton.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace lumidex {

namespace {

// The best cards the list shows; how many answer is told beside them.
constexpr int listedCards = 50;

const QKeySequence findShortcut(Qt::CTRL | Qt::Key_K);

} // namespace

FindAsYouType::FindAsYouType(QWidget& host, const FindFields& fields, FindFieldHooks hooks)
    : QObject(&host)
    , m_host(host)
    , m_fields(fields)
    , m_hooks(std::move(hooks))
    , m_field(new QLineEdit(&host))
    , m_popup(new FindPopup(&host))
    , m_keeper(new FindKeeper(m_fields, this))
{
    m_field->setObjectName(QStringLiteral("txtTrovaAlVolo"));
    m_field->setPlaceholderText(findtext::placeholder());
    m_field->setToolTip(tooltipWithShortcut(findtext::fieldTip(), findShortcut));
    m_field->setStatusTip(findtext::fieldTip());
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    host.window()->installEventFilter(this);

    auto* shortcut = new QAction(m_field);
    shortcut->setShortcut(findShortcut);
    shortcut->setShortcutContext(Qt::WindowShortcut);
    connect(shortcut, &QAction::triggered, this, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->selectAll();
    });
    host.window()->addAction(shortcut);

    connect(m_field, &QLineEdit::textChanged, this, &FindAsYouType::lookAgainAndList);
    connect(m_keeper, &FindKeeper::settled, this, [this] {
        if (m_popup->isVisible())
            list();
    });
    connect(m_popup, &FindPopup::rowClicked, this, &FindAsYouType::choose);
}

void FindAsYouType::lookAgainAndList()
{
    if (text::trimmed(m_field->text()).isEmpty()) {
        closeList();
        return;
    }
    m_keeper->refresh(m_hooks.archivePath());
    list();
}

void FindAsYouType::list()
{
    m_query = FindQuery(m_field->text());
    switch (m_keeper->state()) {
    case FindKeeper::State::Preparing:
        m_popup->showPreparing();
        break;
    case FindKeeper::State::Failed:
        m_popup->showFailure(findtext::notReadable(m_keeper->failure()));
        break;
    case FindKeeper::State::Ready:
        m_popup->showFound(m_keeper->index()->find(m_query, listedCards));
        break;
    }
    m_popup->showUnder(*m_field);
}

void FindAsYouType::closeList()
{
    m_popup->hide();
}

void FindAsYouType::choose(int row)
{
    if (row < 0 || row >= m_popup->rowCount())
        return;
    switch (m_hooks.open(m_popup->positionAt(row), m_query)) {
    case FoundCardOpening::Shown:
        closeList();
        m_field->setFocus(Qt::OtherFocusReason);
        m_field->selectAll();
        break;
    case FoundCardOpening::Stayed:
        break;
    case FoundCardOpening::Changed:
        lookAgainAndList();
        break;
    }
}

bool FindAsYouType::fieldKeyPress(int key)
{
    const bool listed = m_popup->isVisible();
    const int rows = listed ? m_popup->rowCount() : 0;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (!listed) {
            lookAgainAndList();
        } else if (rows > 0) {
            const int current = m_popup->currentRow();
            m_popup->setCurrentRow(key == Qt::Key_Down ? qMin(current + 1, rows - 1) : qMax(current - 1, 0));
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The first card when none was chosen: the one that answers best.
        if (rows > 0)
            choose(qMax(m_popup->currentRow(), 0));
        else
            lookAgainAndList();
        return true;
    case Qt::Key_Escape:
        if (listed) {
            closeList();
            return true;
        }
        if (!m_field->text().isEmpty()) {
            m_field->clear();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool FindAsYouType::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
                if (fieldKeyPress(key->key()))
                    return true;
            break;
        }
        case QEvent::FocusIn:
            // Cards saved meanwhile, here or from another computer, are found.
            m_keeper->refresh(m_hooks.archivePath());
            if (!text::trimmed(m_field->text()).isEmpty()
                && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
                list();
            break;
        case QEvent::FocusOut: {
            // A question over the window (save the changes?) leaves the list
            // where it is; the focus going elsewhere in the window closes it.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                closeList();
            break;
        }
        default:
            break;
        }
    } else if (event->type() == QEvent::Show && watched == m_host.window() && !event->spontaneous()) {
        // Every showing of the editor starts making the index, so that it is
        // ready by the time the user types.
        m_keeper->refresh(m_hooks.archivePath());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumidex
