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

} // namespace lumidex::exporttext
