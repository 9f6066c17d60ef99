#pragma once

#include <QString>

// The attached-files dialog's messages.
namespace lumidex::attachtext {

QString replaceQuestion();
// The progress of a long copy into the attachments folder.
QString copying();
QString copyFailed();
QString nameNotStorable();

} // namespace lumidex::attachtext
