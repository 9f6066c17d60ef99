#pragma once

#include <QString>

// The attached-files dialog's messages.
namespace lumidex::attachtext {

QString replaceQuestion();
// The progress of a long copy into the attachments folder.
QString copying();
QString copyFailed();
QString nameNotStorable();
// "Apri" found the attached file gone from the attachments folder.
QString fileMissing(const QString& name);
// "Apri" found no application that opens the attached file.
QString noApplication(const QString& name);
// "Apri" found the attached file there, and the system would not let it be
// read; the cause follows on a paragraph of its own.
QString fileUnreadable(const QString& name);

} // namespace lumidex::attachtext
