#include "app/WindowSet.h"

#include "common/Markers.h"

#include "books/TfrmApriDonne.h"
#include "books/TfrmApriUomini.h"
#include "books/TfrmBookDonne.h"
#include "books/TfrmBookUomini.h"
#include "books/TfrmCreaDonne.h"
#include "books/TfrmCreaUomini.h"
#include "books/TfrmMenuDonne.h"
#include "books/TfrmMenuUomini.h"
#include "registry/TfrmAnagrafica.h"
#include "shell/windows/TfrmAvvio.h"
#include "shell/windows/TfrmCambiaPassword.h"
#include "shell/windows/TfrmPassword.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
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
    m_menuDonne = std::make_unique<TfrmMenuDonne>(m_programDir);
    m_creaDonne = std::make_unique<TfrmCreaDonne>(m_programDir);
    m_apriDonne = std::make_unique<TfrmApriDonne>(m_programDir);
    m_bookDonne = std::make_unique<TfrmBookDonne>(m_programDir);
    m_creaUomini = std::make_unique<TfrmCreaUomini>(m_programDir);
    m_apriUomini = std::make_unique<TfrmApriUomini>(m_programDir);
    m_menuUomini = std::make_unique<TfrmMenuUomini>(m_programDir);
    m_bookUomini = std::make_unique<TfrmBookUomini>(m_programDir);
    m_anagrafica = std::make_unique<TfrmAnagrafica>(m_programDir);

    // Login.
    connect(
        m_password.get(), &TfrmPassword::accessGranted, this, [this] { handOver(m_avvio.get(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::changePasswordRequested, this,
        [this] { handOver(m_cambiaPassword.get(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::closed, this, [this] { terminate(); });
    // However the change-password window is left, the login starts over empty.
    connect(m_cambiaPassword.get(), &TfrmCambiaPassword::closed, this, [this] {
        handOver(m_password.get(), m_cambiaPassword.get());
        m_password->startOver();
    });

    // The start menu, the hub every working screen returns to.
    connect(
        m_avvio.get(), &TfrmAvvio::registryRequested, this, [this] { handOver(m_anagrafica.get(), m_avvio.get()); });
    connect(
        m_avvio.get(), &TfrmAvvio::womenBooksRequested, this, [this] { handOver(m_menuDonne.get(), m_avvio.get()); });
    connect(
        m_avvio.get(), &TfrmAvvio::menBooksRequested, this, [this] { handOver(m_menuUomini.get(), m_avvio.get()); });
    connect(m_avvio.get(), &TfrmAvvio::closed, this, [this] { terminate(); });

    connectBookSide(m_menuDonne.get(), m_creaDonne.get(), m_apriDonne.get(), m_bookDonne.get());
    connectBookSide(m_menuUomini.get(), m_creaUomini.get(), m_apriUomini.get(), m_bookUomini.get());

    connect(m_anagrafica.get(), &TfrmAnagrafica::closed, this, [this] { handOver(m_avvio.get(), m_anagrafica.get()); });
}

WindowSet::~WindowSet() = default;

void WindowSet::start()
{
    showScreen(m_password.get());
}

QList<QWidget*> WindowSet::screens() const
{
    return { m_password.get(), m_avvio.get(), m_cambiaPassword.get(), m_menuDonne.get(), m_creaDonne.get(),
        m_apriDonne.get(), m_bookDonne.get(), m_creaUomini.get(), m_apriUomini.get(), m_menuUomini.get(),
        m_bookUomini.get(), m_anagrafica.get() };
}

QWidget* WindowSet::visibleScreen() const
{
    for (QWidget* screen : screens())
        if (screen->isVisible())
            return screen;
    return nullptr;
}

void WindowSet::connectBookSide(BookMenu* menu, BookCreation* creation, BookOpening* opening, BookEditor* editor)
{
    // The menu's buttons leave their choice in its marker before they close it.
    connect(menu, &BookMenu::closed, this, [=, this] {
        const QString marker = menu->exitMarker();
        if (marker == QLatin1String(marker::backToStart))
            handOver(m_avvio.get(), menu);
        else if (marker == QLatin1String(marker::createBook))
            handOver(creation, menu);
        else if (marker == QLatin1String(marker::openBook))
            handOver(opening, menu);
    });

    // A new book is listed by the opening window; the user goes there from the start menu.
    connect(creation, &BookCreation::closed, this, [=, this] { handOver(m_avvio.get(), creation); });

    connect(opening, &BookOpening::closed, this, [=, this] {
        const QString marker = opening->exitMarker();
        const QString item = opening->selectedItemText();
        if (marker == QLatin1String(marker::backToStart) || (marker == opening->side().openMarker && item.isEmpty())) {
            handOver(m_avvio.get(), opening);
        } else if (marker == opening->side().openMarker) {
            // The editor learns its book here, before its show clears the entry.
            editor->setBook(opening->bookFilePath(item), Side::bookNameOf(item));
            handOver(editor, opening);
        }
    });

    connect(editor, &BookEditor::closed, this, [=, this] { handOver(m_avvio.get(), editor); });
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
