#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace lumidex {

// The five pages of context help. Men's and women's windows share their pages.
enum class HelpPage { Introduction, Books, Registry, RegistryExport, BookExport };

namespace help {

// Paragraphs are joined by an empty line; no paragraph holds a line break itself.
inline constexpr char16_t paragraphSeparator[] = u"\r\n\r\n";

// The full manual beside the program, built from the same pages.
inline constexpr char16_t manualFileName[] = u"Guida.pdf";

// Every page, in the order of the manual.
QList<HelpPage> allPages();

// The one-line title shown above the page text.
QString title(HelpPage page);

// The page's paragraphs, in reading order.
QStringList paragraphs(HelpPage page);

// The text shown in the help window: the paragraphs joined by paragraphSeparator.
QString body(HelpPage page);

} // namespace help
} // namespace lumidex
