#include "texts/AttachTexts.h"

namespace lumidex::attachtext {

QString replaceQuestion()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                          "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

QString copying()
{
    return QStringLiteral("Copia del file in corso...");
}

QString copyFailed()
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
}

QString nameNotStorable()
{
    return QStringLiteral("Attenzione: il nome del file scelto non può essere memorizzato nella scheda.\r\n\r\n"
                          "Rinominare il file con al massimo 250 caratteri, senza simboli speciali, e sceglierlo "
                          "di nuovo.");
}

} // namespace lumidex::attachtext
