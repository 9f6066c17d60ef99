#pragma once

#include <QString>

// The registry card editor's own messages: its required fields, tested in this
// order by Save, and the mail to the person that could not be started.
namespace lumidex::registrytext {

QString nameRequired();
QString sexRequired();
QString citizenshipRequired();
// The desktop refused the new mail to the card's address.
QString mailNotOpened();

} // namespace lumidex::registrytext
