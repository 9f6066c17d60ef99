#pragma once

#include <QString>

class QToolButton;
class QWidget;

namespace lumidex {

// The picture buttons of the card editors' toolbar and photo panel, by control
// name: each with its picture, size, status text and shortcut, as every card
// editor shows them.
QToolButton* makeEditorButton(QWidget* parent, const QString& name);

} // namespace lumidex
