#include "ui/FixedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumidex {

void setUpFixedWindow(QWidget* window, const QString& objectName, const QString& caption, const QSize& clientSize)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Once shown, the window's frame is known and the whole frame is centred.
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace lumidex
