#include "texts/LoginTexts.h"

namespace lumidex::logintext {

QString wrongPassword()
{
    return QStringLiteral("Attenzione: password errata.");
}

QString readFailure()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della password. "
                          "Si consiglia di reinstallare il software.");
}

QString wrongOldPassword()
{
    return QStringLiteral("Attenzione: vecchia password errata.");
}

QString notConfirmed()
{
    return QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                          "E' necessario reinserire entrambi i valori.");
}

QString notStorable()
{
    return QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere memorizzati. "
                          "E' necessario reinserire entrambi i valori.");
}

QString changed()
{
    return QStringLiteral("Modifica della password completata con successo.");
}

QString changeFailure()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                          "Si consiglia di reinstallare il software.");
}

} // namespace lumidex::logintext
