#pragma once

#include "help/HelpPages.h"
#include "storage/RecordLayout.h"

#include <QList>
#include <QString>

namespace lumidex {

// One column of the export grid, and of the spreadsheet when it is exported.
struct ExportColumn {
    // Name of the grid column, as the program has always called it.
    QString control;
    QString header;
    // Width in the grid, in pixels.
    int gridWidth = 0;
    // Field of the record shown in the column; rowNumber for the "N." column.
    int field = rowNumber;
    bool readOnly = true;
    // Width written into the spreadsheet's header cell; the "N." column is not exported.
    int documentWidth = 0;

    static constexpr int rowNumber = -1;

    bool exported() const { return field != rowNumber; }
};

// Everything that tells the registry export from the book export, in one place:
// the grid and the spreadsheet are both built from it. The men's and women's
// books share their table: only the book file they read tells them apart.
struct ExportTable {
    const RecordLayout& layout;
    // Column 0 is the row number; the others hold record fields.
    QList<ExportColumn> columns;
    // Written in the program folder.
    QString outputFileName;
    QString sheetName;
    QString caption;
    HelpPage helpPage;

    // Columns written to the spreadsheet, i.e. all but the row number.
    int exportedColumnCount() const { return int(columns.size()) - 1; }
};

namespace exporttable {

const ExportTable& registry();
const ExportTable& book();

} // namespace exporttable

} // namespace lumidex
