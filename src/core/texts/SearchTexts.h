#pragma once

#include <QString>

// The search windows' messages and count line.
namespace lumidex::searchtext {

QString emptyList();
QString countLine(qsizetype lines);

} // namespace lumidex::searchtext
