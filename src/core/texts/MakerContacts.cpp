#include "texts/MakerContacts.h"

#include <QUrlQuery>

namespace lumidex::maker {

QUrl informationMailUrl()
{
    QUrl link;
    link.setScheme(QStringLiteral("mailto"));
    link.setPath(QString::fromUtf16(emailAddress));
    // The mail program shows them as they read here; in the link itself they
    // travel encoded, as any link must for the desktop to pass it on whole.
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("subject"), QStringLiteral("Software Lumidex"));
    fields.addQueryItem(QStringLiteral("body"),
        QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
    link.setQuery(fields);
    return link;
}

QUrl webUrl()
{
    return QUrl(QString::fromUtf16(webAddress));
}

} // namespace lumidex::maker
