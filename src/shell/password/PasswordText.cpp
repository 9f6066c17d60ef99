#include "shell/password/PasswordText.h"

#include "common/Formatting.h"
#include "storage/TextField.h"

#include <algorithm>

namespace lumidex::passwordtext {

// A typed password follows the program's own text rules: blanks and control
// characters at either end do not count, and letters compare without case.
QString trimmed(QStringView text)
{
    return textfield::trimmed(text);
}

QString normalised(QStringView typed)
{
    return trimmed(upperAsciiLetters(typed.toString()));
}

bool isStorable(QStringView password)
{
    return std::all_of(password.begin(), password.end(), [](QChar ch) { return ch.unicode() <= 255; });
}

} // namespace lumidex::passwordtext
