#include "ui/FixedWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumidex {

namespace {

enum class Centre { Screen, Owner };

class Centring : public QObject {
public:
    Centring(QWidget* window, Centre on)
        : QObject(window)
        , m_window(window)
        , m_on(on)
    {
        setObjectName(QStringLiteral("centring"));
        window->installEventFilter(this);
    }

    void place()
    {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(target());
        m_window->move(frame.topLeft());
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            place();
            m_awaitingFrame = true;
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
            // The frame is known once the window manager has wrapped the window.
            if (m_awaitingFrame && m_window->frameGeometry().size() != m_window->size()) {
                m_awaitingFrame = false;
                place();
            }
            break;
        case QEvent::Hide:
            m_awaitingFrame = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPoint target() const
    {
        QWidget* owner = m_window->parentWidget() ? m_window->parentWidget()->window() : nullptr;
        if (m_on == Centre::Owner && owner && owner->isVisible())
            return owner->frameGeometry().center();
        QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            screen = m_window->screen();
        return screen ? screen->availableGeometry().center() : m_window->frameGeometry().center();
    }

    QWidget* m_window;
    Centre m_on;
    bool m_awaitingFrame = false;
};

void keepCentred(QWidget* window, Centre on)
{
    auto* centring = window->findChild<Centring*>(QStringLiteral("centring"), Qt::FindDirectChildrenOnly);
    if (!centring)
        centring = new Centring(window, on);
    centring->place();
}

} // namespace

void setUpFixedWindow(QWidget* window, const QString& objectName, const QString& caption, const QSize& clientSize)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
}

void centreOnScreen(QWidget* window)
{
    keepCentred(window, Centre::Screen);
}

void centreOnOwner(QWidget* window)
{
    keepCentred(window, Centre::Owner);
}

} // namespace lumidex
