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

QString startCaption()
{
    return QStringLiteral(" Lumidex");
}

QString infoTip()
{
    return QStringLiteral("Informazioni su Lumidex");
}

QString helpTip()
{
    return QStringLiteral("Guida all'utilizzo del software");
}

QString registryTip()
{
    return QStringLiteral("Archivio anagrafico");
}

QString womenBooksTip()
{
    return QStringLiteral("Book donne");
}

QString menBooksTip()
{
    return QStringLiteral("Book uomini");
}

QString siteTip()
{
    return QStringLiteral("Sito web del produttore");
}

QString creditsTip()
{
    return QStringLiteral("Crediti");
}

QString exitTip()
{
    return QStringLiteral("Esci da Lumidex");
}

QString helpCaption()
{
    return QStringLiteral(" Guida all'utilizzo del software");
}

QString helpTitle()
{
    return QStringLiteral("Argomento della guida.");
}

QString helpPdf()
{
    return QStringLiteral("Visualizza guida in formato PDF");
}

QString infoCaption()
{
    return QStringLiteral(" Informazioni su Lumidex");
}

QString infoLine()
{
    return QStringLiteral("L'archivio delle modelle e dei loro book fotografici, sempre a portata di mano.");
}

QString infoDescription()
{
    return QStringLiteral("Schede anagrafiche con foto e documenti allegati, book fotografici per donne e uomini, "
                          "ricerche, stampe, Slide Show ed esportazione in Microsoft Excel.");
}

QString infoVersion()
{
    return QStringLiteral("Versione 1.0");
}

QString infoMailTip()
{
    return QStringLiteral("Scrivi al produttore per avere informazioni.");
}

QString creditsCaption()
{
    return QStringLiteral(" Lumidex - Ideazione, progetto e realizzazione: Lumidex Software");
}

QString creditsSiteTip()
{
    return QStringLiteral("Visita il sito web del produttore.");
}

} // namespace lumidex::shelltext
