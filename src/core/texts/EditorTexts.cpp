#include "texts/EditorTexts.h"

#include <QStringList>

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
QString saveChangesQuestion()
{
    return QStringLiteral("La scheda è stata modificata.\r\n\r\nSalvare le modifiche?");
}
QString characterReplaced(const QString& character, const QString& replacement)
{
    return QStringLiteral("Il carattere «%1» non può essere memorizzato nella scheda ed è stato sostituito con «%2».")
        .arg(character, replacement);
}
QString characterRefused(const QString& character)
{
    return QStringLiteral("Il carattere «%1» non può essere memorizzato nella scheda.").arg(character);
}
QString storableNotice(const QList<storabletext::Change>& changes)
{
    QStringList sentences;
    for (const storabletext::Change& change : changes) {
        const QString sentence = change.refused() ? characterRefused(change.character)
                                                  : characterReplaced(change.character, change.replacement);
        if (!sentences.contains(sentence))
            sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}
} // namespace editortext

} // namespace lumidex
