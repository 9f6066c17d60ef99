#include "texts/BookTexts.h"

#include "books/PhotoShootingData.h"

#include <QStringList>

namespace lumidex::booktext {

QString emptyList()
{
    return QStringLiteral("Attenzione: l'elenco non contiene nessun book fotografico.");
}

QString selectToOpen()
{
    return QStringLiteral("Attenzione: selezionare dall'elenco il book fotografico prima di premere il pulsante "
                          "Apri archivio.");
}

QString selectToDelete()
{
    return QStringLiteral("Attenzione: selezionare dall'elenco il book fotografico da eliminare prima di premere il "
                          "pulsante del cestino.");
}

QString confirmDeletion()
{
    return QStringLiteral("Si sta per eliminare il book fotografico selezionato. Si ricorda che il file eliminato non "
                          "potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?");
}

QString bookDeleted()
{
    return QStringLiteral("Il book fotografico è stato eliminato con successo.");
}

QString bookNotDeleted()
{
    return QStringLiteral("Attenzione: non è stato possibile eliminare il book fotografico selezionato.\r\n\r\n"
                          "Accertarsi che il file non sia aperto in un altro programma e di possedere i privilegi "
                          "di scrittura nella cartella di installazione del programma.");
}

QString countLine(int books)
{
    return QStringLiteral("Sono stati creati %1 book fotografici.").arg(books);
}

QString nameMissing()
{
    return QStringLiteral("Attenzione: per creare il nuovo archivio è necessario indicare il nome del nuovo book "
                          "fotografico.");
}

QString nameNotAllowed()
{
    return QStringLiteral("Attenzione: il nome del book fotografico contiene caratteri non ammessi.\r\n\r\n"
                          "Non utilizzare i caratteri \\ / : * ? \" < > | ° Ç Ñ ç ñ.");
}

QString nameInUse()
{
    return QStringLiteral("Attenzione: il nome del book fotografico indicato è già stato utilizzato in precedenza."
                          "\r\n\r\nInserire un nome diverso oppure, se si desidera aprire un book fotografico già "
                          "creato, premere il pulsante Apri book fotografico esistente.");
}

QString bookCreated()
{
    return QStringLiteral("Il file di archivio relativo al nuovo book fotografico è stato creato con successo.\r\n\r\n"
                          "E' ora possibile visualizzarlo nell'elenco dei book fotografici esistenti.");
}

QString titleRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo della foto.");
}

QString dateRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della foto.");
}

QString locationRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la location della foto.");
}

namespace {

QString shootingDataParts(const QString& camera, const QString& date)
{
    QStringList parts;
    if (!camera.isEmpty())
        parts << QStringLiteral("Fotocamera «%1»").arg(camera);
    if (!date.isEmpty())
        parts << QStringLiteral("Data scatto %1").arg(date);
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString shootingDataNotice(const shooting::ShootingFill& fill)
{
    if (fill.fillsSomething())
        return QStringLiteral("Letti dalla foto: %1.").arg(shootingDataParts(fill.camera, fill.date));
    if (!fill.keptCamera.isEmpty() || !fill.keptDate.isEmpty())
        return QStringLiteral("Campi già compilati lasciati come sono; la foto riporta %1.")
            .arg(shootingDataParts(fill.keptCamera, fill.keptDate));
    if (fill.cameraMissing && fill.dateMissing)
        return QStringLiteral("La foto non riporta né la fotocamera né la data dello scatto.");
    if (fill.cameraMissing)
        return QStringLiteral("La foto non riporta la fotocamera.");
    if (fill.dateMissing)
        return QStringLiteral("La foto non riporta la data dello scatto.");
    return {};
}

QString creationCaption()
{
    return QStringLiteral(" Lumidex - Creazione book fotografico");
}

QString createTip()
{
    return QStringLiteral("Crea il nuovo book fotografico.");
}

QString leaveCreationTip()
{
    return QStringLiteral("Esci senza creare un book fotografico.");
}

QString openingCaption()
{
    return QStringLiteral(" Lumidex - Apertura book fotografico");
}

QString openTip()
{
    return QStringLiteral("Apri il book fotografico selezionato.");
}

QString deleteTip()
{
    return QStringLiteral("Elimina il book fotografico selezionato.");
}

QString leaveOpeningTip()
{
    return QStringLiteral("Esci senza aprire un book fotografico.");
}

QString menuInstructions()
{
    return QStringLiteral("Premere il pulsante per creare un nuovo book fotografico o per aprirne uno esistente.");
}

QString createButton()
{
    return QStringLiteral("Crea nuovo book fotografico");
}

QString openButton()
{
    return QStringLiteral("Apri book fotografico esistente");
}

QString backToStartTip()
{
    return QStringLiteral("Torna al menu principale.");
}

QString helpTip()
{
    return QStringLiteral("Visualizza la pagina della guida.");
}

QString bookNamePlaceholder()
{
    return QStringLiteral("Nome book fotografico");
}

QString todayTip()
{
    return QStringLiteral("Inserisci la data corrente.");
}

QString dateFieldTip()
{
    return QStringLiteral("Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
}

QString titleCaption()
{
    return QStringLiteral("Titolo foto:");
}

QString descriptionCaption()
{
    return QStringLiteral("Descrizione:");
}

QString dateCaption()
{
    return QStringLiteral("Data scatto:");
}

QString locationCaption()
{
    return QStringLiteral("Location:");
}

QString photographerCaption()
{
    return QStringLiteral("Fotografo:");
}

QString cameraCaption()
{
    return QStringLiteral("Fotocamera:");
}

QString retouchCaption()
{
    return QStringLiteral("Fotoritocco:");
}

QString clothesCaption()
{
    return QStringLiteral("Abiti:");
}

QString accessoriesCaption()
{
    return QStringLiteral("Accessori:");
}

QString makeUpCaption()
{
    return QStringLiteral("Trucco:");
}

QString ratingCaption()
{
    return QStringLiteral("Giudizio:");
}

QString calendarCaption()
{
    return QStringLiteral(" Importazione data");
}

QString calendarPrompt()
{
    return QStringLiteral("Importare una data:");
}

QString importButton()
{
    return QStringLiteral("Importa");
}

} // namespace lumidex::booktext
