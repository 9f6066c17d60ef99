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

QString changeCaption()
{
    return QStringLiteral(" Cambia password");
}

QString oldPassword()
{
    return QStringLiteral("Vecchia password:");
}

QString newPassword()
{
    return QStringLiteral("Nuova password:");
}

QString confirmPassword()
{
    return QStringLiteral("Conferma nuova password:");
}

QString loginCaption()
{
    return QStringLiteral(" Lumidex - Autenticazione");
}

QString loginInstructions()
{
    return QStringLiteral("Immetti la password e premi OK.");
}

QString exitButton()
{
    return QStringLiteral("Esci");
}

QString changeButton()
{
    return QStringLiteral("Cambia password");
}

} // namespace lumidex::logintext
