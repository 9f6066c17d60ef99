#pragma once

#include <QString>
#include <QtCore/qnamespace.h>

class QPushButton;
class QWidget;

namespace lumidex {

// A push button with a caption, named for tests and tools, with the hand cursor
// every button of the program shows.
QPushButton* makeTextButton(QWidget* parent, const QString& objectName, const QString& text);

// Return or the keypad's Enter.
inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace lumidex
