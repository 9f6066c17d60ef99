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

} // namespace lumidex::logintext
