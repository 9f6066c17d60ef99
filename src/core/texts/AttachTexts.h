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

// The dialog's caption, captions, buttons and its file dialog.
QString caption();
QString applyButton();
// After the slot's number, in both captions of a slot.
QString slotCaption();
QString nameCaption();
QString descriptionCaption();
QString eraseTip();
QString browseButton();
QString openButton();
QString chooseTitle();
QString chooseFilter();

} // namespace lumidex::attachtext
