#pragma once

#include "help/HelpPages.h"

#include <QString>

class QWidget;

namespace lumidex {

// What every help button does: a new help window owned by `parent`, with the
// page's title and text, shown modally until the user closes it.
void showHelp(QWidget* parent, const QString& programDir, HelpPage page);

} // namespace lumidex
