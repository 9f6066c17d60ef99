#pragma once

#include <QStringList>

class QWidget;

namespace lumidex {

// Prints a search window's summary: `title` over the listing `lines`, in the
// order the window's list shows them, through the print dialog.
void printSummary(QWidget* owner, const QString& title, const QStringList& lines);

} // namespace lumidex
