#pragma once

#include "help/HelpPages.h"

#include <QList>
#include <QString>
#include <QStringList>

// The help pages as the user reads them, written out here rather than taken from
// the program's help module, so that a page changed by mistake fails the tests of
// the module, of every window that shows it and of the manual.
namespace lumidex::test::helptexts {

// The five pages, in the order of the manual.
QList<HelpPage> allPages();
QString title(HelpPage page);
// A paragraph by its mark: "S1" to "S6" of the introduction's own, "B1" to "B15" of
// the books page, "R1" to "R10" of the registry page, "X1" to "X4" of the export
// pages.
QString paragraph(const QString& mark);
// The page's paragraphs, in reading order: the introduction is S1, the books and
// the registry pages, then S2 to S6; each export page is its own X1 or X2, then X3
// and X4.
QStringList paragraphs(HelpPage page);

} // namespace lumidex::test::helptexts
