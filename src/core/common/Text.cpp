#include "common/Text.h"

namespace lumidex::text {

namespace {

bool isBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

char16_t lowerOf(char16_t ch)
{
    return (ch >= u'A' && ch <= u'Z') ? char16_t(ch - u'A' + u'a') : ch;
}

} // namespace

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

QString upperAscii(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return result;
}

QString lowerAscii(QStringView text)
{
    QString result = text.toString();
    for (QChar& c : result)
        c = QChar(lowerOf(c.unicode()));
    return result;
}

bool containsAsciiCaseInsensitive(QStringView haystack, QStringView needle)
{
    if (needle.isEmpty() || needle.size() > haystack.size())
        return false;
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype start = 0; start <= last; ++start) {
        qsizetype i = 0;
        while (i < needle.size() && lowerOf(haystack[start + i].unicode()) == lowerOf(needle[i].unicode()))
            ++i;
        if (i == needle.size())
            return true;
    }
    return false;
}

} // namespace lumidex::text
