#pragma once

#include <QString>

// The words of printing: the card print and preview windows' failure messages,
// joined by LF CR LF CR as they have always been, the progress of a long print
// and the question before a summary of many pages.
namespace lumidex::printtext {

QString printFailed();
QString previewFailed();

// "Stampa in corso... pagina 3 di 12"
QString printingPage(int page, int pages);
// "Preparazione dell'anteprima... pagina 3 di 12"
QString previewingPage(int page, int pages);

// Asked before a summary of `lines` lines that takes `pages` pages is printed.
QString longSummary(qsizetype lines, int pages);
// The summary `name` did not reach the printer or its file.
QString summaryFailed(const QString& name);

// The captions of the card print and card preview windows.
QString printCaption();
QString previewCaption();

} // namespace lumidex::printtext
