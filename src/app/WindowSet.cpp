#include "app/WindowSet.h"

#include "registry/TfrmAnagrafica.h"

#include <QCoreApplication>
#include <QWidget>

namespace lumidex {

WindowSet::WindowSet(const QString& programDir, QObject* parent)
    : QObject(parent)
    , m_programDir(programDir)
{
    // Created in the order of the program's window table; the login window and
    // the start menu come first once they exist.
    m_anagrafica = std::make_unique<TfrmAnagrafica>(m_programDir);

    // Leaving the registry editor returns to the start menu; until the start menu
    // exists the editor is the program's only screen and leaving it ends the program.
    connect(m_anagrafica.get(), &TfrmAnagrafica::closed, this, [this] { terminate(); });
}

WindowSet::~WindowSet() = default;

void WindowSet::start()
{
    m_anagrafica->showMaximized();
}

QList<QWidget*> WindowSet::screens() const
{
    return { m_anagrafica.get() };
}

QWidget* WindowSet::visibleScreen() const
{
    for (QWidget* screen : screens())
        if (screen->isVisible())
            return screen;
    return nullptr;
}

void WindowSet::handOver(QWidget* target, QWidget* source)
{
    target->showMaximized();
    target->raise();
    target->activateWindow();
    if (source != target)
        source->hide();
}

void WindowSet::terminate()
{
    emit terminated();
    QCoreApplication::exit(0);
}

} // namespace lumidex
