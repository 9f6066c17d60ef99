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

} // namespace lumidex
