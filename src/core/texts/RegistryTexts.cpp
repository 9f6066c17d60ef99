#include "texts/RegistryTexts.h"

namespace lumidex::registrytext {

QString nameRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome della persona.");
}

QString sexRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso della persona (M o F).");
}

QString citizenshipRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la cittadinanza della persona.");
}

QString mailNotOpened()
{
    return QStringLiteral("Attenzione: non è stato possibile aprire un nuovo messaggio di posta elettronica.\r\n\r\n"
                          "Verificare che nel sistema sia configurato un programma di posta.");
}

} // namespace lumidex::registrytext
