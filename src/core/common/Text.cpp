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
    return AsciiCaseInsensitiveFinder(needle).foundIn(haystack);
}

AsciiCaseInsensitiveFinder::AsciiCaseInsensitiveFinder(QStringView needle)
    : m_fallback(std::size_t(needle.size()) + 1, 0)
{
    m_needle.reserve(std::size_t(needle.size()));
    for (const QChar c : needle)
        m_needle.push_back(lowerOf(c.unicode()));
    for (std::size_t i = 1, matched = 0; i < m_needle.size(); ++i) {
        while (matched > 0 && m_needle[i] != m_needle[matched])
            matched = std::size_t(m_fallback[matched]);
        if (m_needle[i] == m_needle[matched])
            ++matched;
        m_fallback[i + 1] = qsizetype(matched);
    }
}

bool AsciiCaseInsensitiveFinder::foundIn(QStringView haystack) const
{
    if (m_needle.empty() || qsizetype(m_needle.size()) > haystack.size())
        return false;
    std::size_t matched = 0;
    for (const QChar c : haystack) {
        const char16_t lower = lowerOf(c.unicode());
        while (matched > 0 && lower != m_needle[matched])
            matched = std::size_t(m_fallback[matched]);
        if (lower == m_needle[matched] && ++matched == m_needle.size())
            return true;
    }
    return false;
}

} // namespace lumidex::text
