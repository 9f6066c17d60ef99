#pragma once

#include <QString>

// The messages of the login and change-password windows.
namespace lumidex::logintext {

QString wrongPassword();
QString readFailure();
QString wrongOldPassword();
QString notConfirmed();
QString notStorable();
QString changed();
QString changeFailure();

// The password change window's caption and the captions of its fields.
QString changeCaption();
QString oldPassword();
QString newPassword();
QString confirmPassword();

// The login window's caption, instructions and buttons.
QString loginCaption();
QString loginInstructions();
QString exitButton();
QString changeButton();

} // namespace lumidex::logintext
