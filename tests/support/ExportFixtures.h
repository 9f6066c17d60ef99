#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Small archives of known content for the export tests, and the spreadsheet
// document expected from them, spelled out fragment by fragment.
namespace lumidex::test::exportfixture {

using Cells = QList<QList<QByteArray>>;

// Three registry cards / two book entries, appended through the archive itself.
void writeRegistry(const QString& path);
void writeBook(const QString& path);
// The same records as the grid shows them (column 0 the row number).
QList<QStringList> registryGrid();
QList<QStringList> bookGrid();
// The cells the document must hold for them, in Windows-1252.
Cells registryCells();
Cells bookCells();

// The widths of the grid's columns, the row number first.
QList<int> registryGridWidths();
QList<int> bookGridWidths();

// `rows` empty rows of `columns` empty cells.
Cells emptyCells(int rows, int columns);

// The whole document for the registry or the book export with these data rows.
QByteArray expectedRegistryDocument(const Cells& rows);
QByteArray expectedBookDocument(const Cells& rows);

} // namespace lumidex::test::exportfixture
