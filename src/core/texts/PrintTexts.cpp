#include "texts/PrintTexts.h"

namespace lumidex::printtext {

QString printFailed()
{
    return QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                          "Si consiglia di ridurre le dimensioni della foto.");
}

QString previewFailed()
{
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\r"
                          "Si consiglia di ridurre le dimensioni della foto.");
}

} // namespace lumidex::printtext
