#include "texts/RegistryTexts.h"

#include <utility>

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

QString fieldCaption(std::string_view field)
{
    static const std::pair<std::string_view, QString> captions[] {
        { "Nome", QStringLiteral("Nome:") },
        { "Sesso", QStringLiteral("Sesso:") },
        { "DataNasc", QStringLiteral("Data di nascita:") },
        { "Cittadinanza", QStringLiteral("Cittadinanza:") },
        { "LuogoNasc", QStringLiteral("Luogo di nascita:") },
        { "Indirizzo", QStringLiteral("Indirizzo di residenza:") },
        { "CodFisc", QStringLiteral("Codice fiscale:") },
        { "Estremi", QStringLiteral("Estremi documento di riconoscimento:") },
        { "Email", QStringLiteral("E-mail:") },
        { "Tel", QStringLiteral("Tel. fisso:") },
        { "Cellulare", QStringLiteral("Cellulare:") },
        { "Studio", QStringLiteral("Titolo di studio:") },
        { "Lingue", QStringLiteral("Lingue conosciute:") },
        { "PartitaIva", QStringLiteral("Partita Iva:") },
        { "Iban", QStringLiteral("IBAN:") },
        { "Altezza", QStringLiteral("Altezza:") },
        { "Peso", QStringLiteral("Peso:") },
        { "Vita", QStringLiteral("Vita:") },
        { "Fianchi", QStringLiteral("Fianchi:") },
        { "Occhi", QStringLiteral("Occhi:") },
        { "Capelli", QStringLiteral("Capelli:") },
        { "Taglia", QStringLiteral("Taglia:") },
        { "Scarpe", QStringLiteral("Scarpe:") },
        { "Esperienze", QStringLiteral("Esperienze lavorative:") },
        { "Disponibilita", QStringLiteral("Disponibilità:") },
    };
    for (const auto& [name, caption] : captions)
        if (name == field)
            return caption;
    return {};
}

QString codFiscTip()
{
    return QStringLiteral("Controlla il codice fiscale.");
}

QString emailTip()
{
    return QStringLiteral("Invia una e-mail all'indirizzo indicato.");
}

QString partitaIvaTip()
{
    return QStringLiteral("Controlla il numero di partita IVA.");
}

QString ibanTip()
{
    return QStringLiteral("Controlla il codice IBAN.");
}

} // namespace lumidex::registrytext
