#pragma once

#include <QString>

// The small shell utility of the program: hands a web address, or a quoted file
// path or "mailto:" link, to the desktop's open verb. Returns whether the desktop
// took it, for the windows that tell the user when it did not.
class TMisc {
public:
    static bool Open(const QString& sCommand);
};
