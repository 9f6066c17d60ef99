#include "texts/ShellTexts.h"

namespace lumidex::shelltext {

QString manualUnreadable(const QString& fileName)
{
    return QStringLiteral("Attenzione: non è stato possibile aprire la guida in formato PDF «%1».").arg(fileName);
}

QString manualNoApplication(const QString& path)
{
    return QStringLiteral("Attenzione: nel sistema non è installata nessuna applicazione in grado di aprire la guida "
                          "in formato PDF.\r\n\r\nLa guida si trova in %1.")
        .arg(path);
}

QString siteNotOpened(const QString& address)
{
    return QStringLiteral("Attenzione: non è stato possibile aprire il sito %1.\r\n\r\nVerificare che nel sistema "
                          "sia installato un browser, oppure digitare l'indirizzo nella barra del browser.")
        .arg(address);
}

QString mailNotOpened(const QString& address)
{
    return QStringLiteral("Attenzione: non è stato possibile aprire un nuovo messaggio di posta elettronica.\r\n\r\n"
                          "Verificare che nel sistema sia configurato un programma di posta, oppure scrivere a %1.")
        .arg(address);
}

} // namespace lumidex::shelltext
