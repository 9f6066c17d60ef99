#include "ui/FixedWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
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
        // The window manager tells the frame's size a moment after the window is
        // mapped, not always with an event the window sees, and a move made while
        // the window is handling its own move is lost: look for it from a timer.
        m_poll.setInterval(25);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (frameKnown() || ++m_polls > maxPolls)
                placeFramed();
        });
    }

    void awaitFrame()
    {
        m_polls = 0;
        m_poll.start();
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
            awaitFrame();
            break;
        case QEvent::Hide:
            m_poll.stop();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int maxPolls = 40;

    // The frame is known once the window manager has wrapped the window.
    bool frameKnown() const { return m_window->frameGeometry().size() != m_window->size(); }

    void placeFramed()
    {
        m_poll.stop();
        place();
    }

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
    QTimer m_poll;
    int m_polls = 0;
};

void keepCentred(QWidget* window, Centre on)
{
    auto* centring = window->findChild<Centring*>(QStringLiteral("centring"), Qt::FindDirectChildrenOnly);
    if (!centring)
        centring = new Centring(window, on);
    centring->place();
    // Asked while the window is being shown: its frame is still to come.
    if (window->isVisible())
        centring->awaitFrame();
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
