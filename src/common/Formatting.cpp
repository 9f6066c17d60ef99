#include "common/Formatting.h"

#include <QLocale>

namespace lumidex {

QString formatShortDate(const QDate& date)
{
    return date.toString(QString::fromLatin1(shortDateFormat));
}

void applyFormatSettings()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

QString upperAsciiLetters(QString text)
{
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return text;
}

QSize fitInto(const QSize& picture, const QSize& frame)
{
    if (picture.isEmpty() || frame.isEmpty())
        return {};
    // A sliver of a picture still gets one pixel rather than none.
    return picture.scaled(frame, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace lumidex
