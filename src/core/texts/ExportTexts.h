#pragma once

#include <QString>

// The export windows' status line and messages.
namespace lumidex::exporttext {

QString ready();
QString askToExport();
// The progress of writing the spreadsheet.
QString exporting();
QString exported();
QString failed();
// The user asked to open the saved spreadsheet, and no application can.
QString cannotOpen(const QString& path);

// The grid holds `read` of the `total` cards of the archive, which could not be
// read to its end; a total of -1 is not known.
QString partialRead(qsizetype read, qsizetype total);
// Asked before a grid that holds only part of the archive is written.
QString askToExportPartial(qsizetype read, qsizetype total);
// The spreadsheet was written from a grid that holds only part of the archive.
QString exportedPartially(qsizetype read, qsizetype total);

// The tips and texts of the window's buttons.
QString exportTip();
QString exportText();
QString helpTip();
QString helpText();
QString exitTip();
QString exitToolTip();

} // namespace lumidex::exporttext
