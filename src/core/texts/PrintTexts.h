#pragma once

#include <QString>

// The card print and preview windows' failure messages, joined by LF CR LF CR as they have always been.
namespace lumidex::printtext {

QString printFailed();
QString previewFailed();

} // namespace lumidex::printtext
