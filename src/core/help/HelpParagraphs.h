#pragma once

#include <QString>
#include <QStringList>

// The paragraphs the help pages are made of. Several pages share paragraphs, so
// each group exists once and the pages are put together from the groups.
namespace lumidex::help::paragraphtexts {

// What the program is, before the book and registry paragraphs of the introduction.
QStringList introductionOpening();
// Export, network use, password, USB stick and closing words of the introduction.
QStringList introductionClosing();
// The book menus, creation, opening and entry editor.
QStringList books();
// The registry card editor.
QStringList registry();
// What each export button does, for the registry and for a book.
QString registryExport();
QString bookExport();
// How an export is made, the same for every archive.
QStringList exportSteps();

} // namespace lumidex::help::paragraphtexts
