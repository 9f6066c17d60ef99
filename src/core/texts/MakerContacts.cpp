#include "texts/MakerContacts.h"

namespace lumidex::maker {

QString informationMailCommand()
{
    const QString link = QStringLiteral("mailto:") + QString::fromUtf16(emailAddress)
        + QStringLiteral("?subject=Software Lumidex&body=")
        + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
    return QLatin1Char('"') + link + QLatin1Char('"');
}

} // namespace lumidex::maker
