#pragma once

#include <QString>

class QLabel;

namespace lumidex {

// Puts `text` on the one-line label `line`: a text too long for it ends in an
// ellipsis and is read whole in the line's tooltip.
void showOnOneLine(QLabel& line, const QString& text);

} // namespace lumidex
