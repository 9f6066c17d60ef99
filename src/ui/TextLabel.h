#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace lumidex {

// A label with a caption, named for tests and tools; with a buddy, its shortcut
// letter puts the focus on that control.
QLabel* makeTextLabel(QWidget* parent, const QString& objectName, const QString& text, QWidget* buddy = nullptr);

} // namespace lumidex
