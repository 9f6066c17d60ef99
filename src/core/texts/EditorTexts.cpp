#include "texts/EditorTexts.h"

#include <QStringList>
#include <utility>

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
QString buttonTip(const QString& buttonName)
{
    static const QList<std::pair<QString, QString>> tips {
        { QStringLiteral("cmdNuovo"), QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.") },
        { QStringLiteral("cmdDuplica"),
            QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.") },
        { QStringLiteral("cmdSalva"), QStringLiteral("Salva la scheda in archivio.") },
        { QStringLiteral("cmdTrova"), QStringLiteral("Trova una scheda in archivio.") },
        { QStringLiteral("cmdFile"), QStringLiteral("Allega file alla scheda.") },
        { QStringLiteral("cmdStampa"), QStringLiteral("Stampa la scheda.") },
        { QStringLiteral("cmdAnteprima"), QStringLiteral("Visualizza l'anteprima di stampa della scheda.") },
        { QStringLiteral("cmdPrimo"), QStringLiteral("Visualizza la prima scheda in archivio.") },
        { QStringLiteral("cmdIndietro"), QStringLiteral("Visualizza la scheda precedente in archivio.") },
        { QStringLiteral("cmdAvanti"), QStringLiteral("Visualizza la scheda successiva in archivio.") },
        { QStringLiteral("cmdUltimo"), QStringLiteral("Visualizza l'ultima scheda in archivio.") },
        { QStringLiteral("cmdEsporta"),
            QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.") },
        { QStringLiteral("cmdSlideshow"), QStringLiteral("Esegui lo Slide Show del book fotografico.") },
        { QStringLiteral("cmdGuida"), QStringLiteral("Visualizza la pagina della guida sensibile al contesto.") },
        { QStringLiteral("cmdEsci"), QStringLiteral("Esci da questa schermata di lavoro.") },
        { QStringLiteral("cmdCompCard"), QStringLiteral("Stampa la comp card della scheda.") },
        { QStringLiteral("cmdProvino"), QStringLiteral("Stampa il provino del book fotografico.") },
        { QStringLiteral("cmdPacchetto"), QStringLiteral("Prepara un pacchetto di schede da inviare a un cliente.") },
        { QStringLiteral("cmdGalleria"), QStringLiteral("Crea una galleria web del book fotografico.") },
        { QStringLiteral("btnCaricaFoto"), QStringLiteral("Carica una foto esistente.") },
        { QStringLiteral("btnSalvaFoto"), QStringLiteral("Salva la foto su disco.") },
        { QStringLiteral("btnCancFoto"), QStringLiteral("Cancella la foto.") },
        { QStringLiteral("btnZoomFoto"), QStringLiteral("Visualizza la foto nelle sue dimensioni reali.") },
    };
    for (const auto& [name, tip] : tips)
        if (name == buttonName)
            return tip;
    return {};
}

QString loadPhotoTitle()
{
    return QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
}

QString loadPhotoFilter()
{
    return QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp");
}

QString savePhotoTitle()
{
    return QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
}

QString savePhotoFilter()
{
    return QStringLiteral("File Jpeg (*.jpg)|*.jpg");
}

} // namespace editortext

} // namespace lumidex
