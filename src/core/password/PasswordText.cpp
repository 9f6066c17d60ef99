#include "password/PasswordText.h"

#include "common/Text.h"

#include <algorithm>

namespace lumidex::passwordtext {

// A typed password follows the program's own text rules: blanks and control
// characters at either end do not count, and letters compare without case.
QString normalised(QStringView typed)
{
    return text::trimmed(text::upperAscii(typed));
}

bool isStorable(QStringView password)
{
    return std::all_of(password.begin(), password.end(), [](QChar ch) { return ch.unicode() <= 255; });
}

} // namespace lumidex::passwordtext
