#pragma once

#include <QString>

// The attached-files dialog's messages.
namespace lumidex::attachtext {

QString replaceQuestion();
QString copyFailed();
QString nameNotStorable();

} // namespace lumidex::attachtext
