#include "texts/CheckTexts.h"

namespace lumidex::checktext {

QString codFiscLength()
{
    return QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
}

QString codFiscValid()
{
    return QStringLiteral("Il codice fiscale digitato è VALIDO.");
}

QString codFiscWrong()
{
    return QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
}

QString partitaIvaLength()
{
    return QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
}

QString partitaIvaValid(const QString& ufficio)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
        + ufficio + u'.';
}

QString partitaIvaWrong()
{
    return QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                          "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                          "rilasciato.");
}

QString ibanLength()
{
    return QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
}

QString ibanValid()
{
    return QStringLiteral("L'IBAN digitato è VALIDO.");
}

QString ibanWrong()
{
    return QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
}

QString codFiscCaption()
{
    return QStringLiteral(" Controllo codice fiscale");
}

QString codFiscPrompt()
{
    return QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo.");
}

QString partitaIvaCaption()
{
    return QStringLiteral(" Controllo partita IVA");
}

QString partitaIvaPrompt()
{
    return QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo.");
}

QString ibanCaption()
{
    return QStringLiteral(" Controllo IBAN");
}

QString ibanPrompt()
{
    return QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo.");
}

QString checkButton()
{
    return QStringLiteral("Controlla");
}

QString closeButton()
{
    return QStringLiteral("Chiudi");
}

} // namespace lumidex::checktext
