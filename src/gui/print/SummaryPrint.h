#pragma once

#include <QStringList>

class QWidget;

namespace lumidex {

// A summary of more pages than this asks the user before it is printed.
inline constexpr int summaryPagesWithoutQuestion = 50;

// Prints a search window's summary: `title` over the listing `lines`, in the
// order the window's list shows them, through the print dialog. A summary of
// many pages says how many first, and prints only when the user agrees.
void printSummary(QWidget* owner, const QString& title, const QStringList& lines);

} // namespace lumidex
