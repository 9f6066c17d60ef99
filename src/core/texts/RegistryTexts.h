#pragma once

#include <QString>

// The registry card editor's own messages: its required fields, tested in this
// order by Save.
namespace lumidex::registrytext {

QString nameRequired();
QString sexRequired();
QString citizenshipRequired();

} // namespace lumidex::registrytext
