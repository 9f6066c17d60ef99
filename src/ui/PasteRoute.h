#pragma once

#include <QString>
#include <functional>

class QAction;
class QLineEdit;
class QMenu;

namespace lumidex {

// What a field takes of a pasted text: the text to insert in its place.
using PasteForm = std::function<QString(const QString& pasted)>;

// Makes every paste into `field` go through `form`: Ctrl+V and Shift+Insert, the
// context menu's "Incolla" (the menu runs through the interaction) and a middle
// click. A read-only field takes nothing.
void routePastes(QLineEdit& field, PasteForm form);

// The paste action of a line edit's standard context menu.
QAction* pasteActionOf(const QMenu& menu);

} // namespace lumidex
