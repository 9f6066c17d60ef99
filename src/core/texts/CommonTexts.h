#pragma once

#include <QString>

// Words many windows share: the program's name where a window shows it, and the
// buttons every family uses alike.
namespace lumidex::commontext {

QString programName();
QString cancelButton();

QString closeButton();
QString okButton();
// The titles of the message boxes, by the kind of message.
QString warningTitle();
QString errorTitle();
QString informationTitle();
QString confirmationTitle();
// What the user is told of a failure nothing names.
QString unknownError();
// The buttons that choose between the printer and the preview.
QString printButton();
QString previewButton();

// The print preview's command that fills the screen.
QString fullScreenCommand();

} // namespace lumidex::commontext
