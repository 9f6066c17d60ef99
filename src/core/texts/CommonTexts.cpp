#include "texts/CommonTexts.h"

namespace lumidex::commontext {

QString programName()
{
    return QStringLiteral("Lumidex");
}

QString cancelButton()
{
    return QStringLiteral("Annulla");
}

QString closeButton()
{
    return QStringLiteral("Chiudi");
}

QString okButton()
{
    return QStringLiteral("OK");
}

QString warningTitle()
{
    return QStringLiteral("Avviso");
}

QString errorTitle()
{
    return QStringLiteral("Errore");
}

QString informationTitle()
{
    return QStringLiteral("Informazione");
}

QString confirmationTitle()
{
    return QStringLiteral("Conferma");
}

QString unknownError()
{
    return QStringLiteral("Errore sconosciuto.");
}

QString printButton()
{
    return QStringLiteral("Stampa");
}

QString previewButton()
{
    return QStringLiteral("Mostra anteprima");
}

QString fullScreenCommand()
{
    return QStringLiteral("Schermo intero");
}

} // namespace lumidex::commontext
