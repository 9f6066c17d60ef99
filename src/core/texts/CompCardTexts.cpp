#include "texts/CompCardTexts.h"

namespace lumidex::compcardtext {

QString caption()
{
    return QStringLiteral(" Comp card");
}

QString title()
{
    return QStringLiteral("Comp card");
}

QString explanation()
{
    return QStringLiteral("Il foglio da inviare ai clienti: la foto della scheda in grande, le foto allegate, "
                          "il nome e le misure, con la riga dell'agenzia in fondo.");
}

QString paperLabel()
{
    return QStringLiteral("Formato del foglio:");
}

QString paperA5()
{
    return QStringLiteral("A5 orizzontale");
}

QString paperA4()
{
    return QStringLiteral("A4 orizzontale");
}

QString agencyLabel()
{
    return QStringLiteral("Riga dell'agenzia, stampata in fondo a ogni comp card:");
}

QString printFailed()
{
    return QStringLiteral("Attenzione: la stampa della comp card non è andata a buon fine.\r\n\r\n"
                          "Si consiglia di ridurre le dimensioni delle foto.");
}

QString previewFailed()
{
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima della comp card non è andata a buon fine."
                          "\r\n\r\nSi consiglia di ridurre le dimensioni delle foto.");
}

QString agencyNotSaved()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la riga dell'agenzia nella cartella del "
                          "programma.\r\n\r\nLa comp card la riporta ugualmente; la prossima volta andrà indicata "
                          "di nuovo.");
}

} // namespace lumidex::compcardtext
