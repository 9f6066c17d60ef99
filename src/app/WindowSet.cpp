#include "app/WindowSet.h"

#include "books/BookExits.h"
#include "books/BookNames.h"

#include "gui/books/TfrmApriDonne.h"
#include "gui/books/TfrmApriUomini.h"
#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/books/TfrmCreaDonne.h"
#include "gui/books/TfrmCreaUomini.h"
#include "gui/books/TfrmMenuDonne.h"
#include "gui/books/TfrmMenuUomini.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "gui/shell/TfrmAvvio.h"
#include "gui/shell/TfrmCambiaPassword.h"
#include "gui/shell/TfrmPassword.h"
#include "storage/ArchiveError.h"
#include "storage/LockNotice.h"
#include "ui/Interaction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace lumidex {

namespace {

// How long the set waits for the login to paint before it builds the other
// screens all the same (a window manager that keeps the window from showing).
constexpr int paintWaitMs = 1000;

} // namespace

WindowSet::WindowSet(const QString& programDir, QObject* parent)
    : QObject(parent)
    , m_programDir(programDir)
{
    // The first screen of the program's window table; the others are built in
    // table order once it is on screen (buildNext). The dialogs of the table
    // are made afresh by whoever opens them, so only the screens are kept here.
    m_screens << make(m_password);
    connectLogin();
    // Told after the operation that found it, never from inside it.
    connect(&LockNotice::instance(), &LockNotice::archiveUsedWithoutLock, this, &WindowSet::tellArchivesUnlockable,
        Qt::QueuedConnection);
}

WindowSet::~WindowSet() = default;

void WindowSet::start()
{
    m_password->installEventFilter(this);
    showScreen(m_password.get());
    QTimer::singleShot(paintWaitMs, this, [this] {
        if (!m_buildingStarted) {
            m_buildingStarted = true;
            buildNextLater();
        }
    });
}

bool WindowSet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_password.get() && event->type() == QEvent::Paint) {
        m_password->removeEventFilter(this);
        // Queued behind this paint, so the login reaches the screen first.
        if (!m_buildingStarted) {
            m_buildingStarted = true;
            buildNextLater();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowSet::buildNextLater()
{
    if (m_screens.size() < screenCount)
        QTimer::singleShot(0, this, [this] {
            buildNext();
            buildNextLater();
        });
}

void WindowSet::buildAll()
{
    while (m_screens.size() < screenCount)
        buildNext();
}

void WindowSet::buildNext()
{
    using Build = QWidget* (*)(WindowSet&);
    // The screens after the login, in the order of the program's window table.
    static constexpr Build builds[screenCount] = {
        nullptr, // the login, built with the set
        [](WindowSet& set) { return set.make(set.m_avvio); },
        [](WindowSet& set) { return set.make(set.m_cambiaPassword); },
        [](WindowSet& set) { return set.make(set.m_menuDonne); },
        [](WindowSet& set) { return set.make(set.m_creaDonne); },
        [](WindowSet& set) { return set.make(set.m_apriDonne); },
        [](WindowSet& set) { return set.make(set.m_bookDonne); },
        [](WindowSet& set) { return set.make(set.m_creaUomini); },
        [](WindowSet& set) { return set.make(set.m_apriUomini); },
        [](WindowSet& set) { return set.make(set.m_menuUomini); },
        [](WindowSet& set) { return set.make(set.m_bookUomini); },
        [](WindowSet& set) { return set.make(set.m_anagrafica); },
    };
    if (m_screens.size() >= screenCount)
        return;
    m_screens << builds[m_screens.size()](*this);
    // No screen but the login can be reached before the set is complete: every
    // hand-over asks for its target, which completes the set first.
    if (m_screens.size() == screenCount)
        connectScreens();
}

void WindowSet::connectLogin()
{
    connect(m_password.get(), &TfrmPassword::accessGranted, this, [this] { handOver(frmAvvio(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::changePasswordRequested, this,
        [this] { handOver(frmCambiaPassword(), m_password.get()); });
    connect(m_password.get(), &TfrmPassword::closed, this, [this] { terminate(); });
}

void WindowSet::connectScreens()
{
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

void WindowSet::tellArchivesUnlockable()
{
    // Once a run: it is a property of the folder, not a failure of the operation.
    if (m_toldArchivesUnlockable)
        return;
    m_toldArchivesUnlockable = true;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = visibleScreen();
    interaction().message(owner, MessageKind::Warning, archiveLockNoticeMessage(), Buttons::Ok);
}

QWidget* WindowSet::visibleScreen() const
{
    for (QWidget* screen : m_screens)
        if (screen->isVisible())
            return screen;
    return nullptr;
}

void WindowSet::connectBookSide(BookMenu* menu, BookCreation* creation, BookOpening* opening, BookEditor* editor)
{
    // The menu's buttons choose its way out before they close it.
    connect(menu, &BookMenu::closed, this, [=, this] {
        switch (menu->exit()) {
        case BookMenuExit::StartMenu:
            handOver(m_avvio.get(), menu);
            return;
        case BookMenuExit::Creation:
            handOver(creation, menu);
            return;
        case BookMenuExit::Opening:
            handOver(opening, menu);
            return;
        }
    });

    // A new book is listed by the opening window; the user goes there from the start menu.
    connect(creation, &BookCreation::closed, this, [=, this] { handOver(m_avvio.get(), creation); });

    connect(opening, &BookOpening::closed, this, [=, this] {
        const QString item = opening->selectedItemText();
        if (opening->exit() == BookOpeningExit::StartMenu || item.isEmpty()) {
            handOver(m_avvio.get(), opening);
        } else {
            // The editor learns its book here, before its show clears the entry.
            editor->setBook(opening->bookFilePath(item), booknames::bookNameOf(item));
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
    for (QWidget* screen : m_screens)
        screen->hide();
    emit terminated();
    QCoreApplication::exit(0);
}

} // namespace lumidex
