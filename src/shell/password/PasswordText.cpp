#include "shell/password/PasswordText.h"

#include <algorithm>

namespace lumidex::passwordtext
{
namespace
{

bool isBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

} // namespace

QString trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString normalised(QStringView typed)
{
    QString upper = typed.toString();
    for (QChar& ch : upper) {
        if (ch.unicode() >= u'a' && ch.unicode() <= u'z')
            ch = QChar(char16_t(ch.unicode() - u'a' + u'A'));
    }
    return trimmed(upper);
}

bool isStorable(QStringView password)
{
    return std::all_of(password.begin(), password.end(), [](QChar ch) { return ch.unicode() <= 255; });
}

} // namespace lumidex::passwordtext
