#include "app/WindowSet.h"

#include "registry/TfrmAnagrafica.h"
#include "shell/windows/TfrmAvvio.h"
#include "shell/windows/TfrmCambiaPassword.h"
#include "shell/windows/TfrmPassword.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>

namespace lumidex {

WindowSet::WindowSet(const QString& programDir, QObject* parent)
    : QObject(parent)
    , m_programDir(programDir)
{
    // Created in the order of the program's window table. The dialogs of the table
    // are made afresh by whoever opens them, so only the screens are kept here.
    m_password = std::make_unique<TfrmPassword>(m_programDir);
    m_avvio = std::make_unique<TfrmAvvio>(m_programDir);
    m_cambiaPassword = std::make_unique<TfrmCambiaPassword>(m_programDir);
    // The book menus, creation, opening and entry windows come here, in the
    // table's order, before the registry editor.
    m_anagrafica = std::make_unique<TfrmAnagrafica>(m_programDir);

    // Login.
    connect(m_password.get(), &TfrmPassword::accessGranted, this, [this] { handOver(m_avvio.get(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::changePasswordRequested, this,
            [this] { handOver(m_cambiaPassword.get(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::closed, this, [this] { terminate(); });
    // However the change-password window is left, the login starts over empty.
    connect(m_cambiaPassword.get(), &TfrmCambiaPassword::closed, this, [this] {
        m_password->txtPassword->clear();
        handOver(m_password.get(), m_cambiaPassword.get());
        m_password->txtPassword->setFocus(Qt::OtherFocusReason);
    });

    // The start menu, the hub every working screen returns to.
    connect(m_avvio.get(), &TfrmAvvio::registryRequested, this, [this] { handOver(m_anagrafica.get(), m_avvio.get()); });
    // The women's and men's book menus answer TfrmAvvio::womenBooksRequested and
    // TfrmAvvio::menBooksRequested once they are part of the set.
    connect(m_avvio.get(), &TfrmAvvio::closed, this, [this] { terminate(); });

    connect(m_anagrafica.get(), &TfrmAnagrafica::closed, this, [this] { handOver(m_avvio.get(), m_anagrafica.get()); });
}

WindowSet::~WindowSet() = default;

void WindowSet::start()
{
    showScreen(m_password.get());
}

QList<QWidget*> WindowSet::screens() const
{
    return { m_password.get(), m_avvio.get(), m_cambiaPassword.get(), m_anagrafica.get() };
}

QWidget* WindowSet::visibleScreen() const
{
    for (QWidget* screen : screens())
        if (screen->isVisible())
            return screen;
    return nullptr;
}

void WindowSet::showScreen(QWidget* screen)
{
    // The password windows keep their small fixed size; every other screen fills the display.
    if (screen->minimumSize() == screen->maximumSize())
        screen->show();
    else
        screen->showMaximized();
}

void WindowSet::handOver(QWidget* target, QWidget* source)
{
    showScreen(target);
    target->raise();
    target->activateWindow();
    if (source != target)
        source->hide();
}

void WindowSet::terminate()
{
    // Nothing is pending: every change was written when the user saved it.
    for (QWidget* screen : screens())
        screen->hide();
    emit terminated();
    QCoreApplication::exit(0);
}

} // namespace lumidex
