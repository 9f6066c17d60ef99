#pragma once

#include <QString>

// The small shell utility of the program: hands a web address, or a quoted file
// path or "mailto:" link, to the desktop's open verb. Failures are not reported.
class TMisc {
public:
    static void Open(const QString& sCommand);
};
