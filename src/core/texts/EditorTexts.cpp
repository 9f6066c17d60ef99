#include "texts/EditorTexts.h"

namespace lumidex {

namespace editortext {
QString emptyArchive()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}
QString changesSaved()
{
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
QString cardInserted()
{
    return QStringLiteral("La scheda corrente è stata inserita in archivio.");
}
QString duplicateNeedsStoredCard()
{
    return QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa "
                          "è stata inserita in archivio.");
}
QString duplicateReady()
{
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio.");
}
QString photoNotSaved()
{
    return QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare "
                          "la foto.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella "
                          "di installazione del programma.");
}
QString photoNotExported()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato.");
}
QString readyForNewCard()
{
    return QStringLiteral("Pronto per archiviare una nuova scheda...");
}
} // namespace editortext

} // namespace lumidex
