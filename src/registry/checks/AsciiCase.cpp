#include "registry/checks/AsciiCase.h"

namespace lumidex
{

QString upperAscii(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return result;
}

} // namespace lumidex
