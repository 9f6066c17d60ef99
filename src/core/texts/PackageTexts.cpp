#include "texts/PackageTexts.h"

namespace lumidex::packagetext {

namespace {

const QString paragraph = QStringLiteral("\r\n\r\n");

} // namespace

QString caption()
{
    return QStringLiteral("Pacchetto per un cliente");
}
QString title()
{
    return QStringLiteral("Pacchetto di schede");
}
QString explanation()
{
    return QStringLiteral("Scegliere le schede da inviare al cliente e i dati da mostrare, poi creare un PDF "
                          "(copertina e una comp card per scheda) o una pagina web da aprire nel browser.");
}
QString filterLabel()
{
    return QStringLiteral("Filtra:");
}
QString filterHint()
{
    return QStringLiteral("nome, sesso, occhi, capelli, disponibilità");
}
QString selectAll()
{
    return QStringLiteral("Seleziona tutte");
}
QString selectNone()
{
    return QStringLiteral("Deseleziona tutte");
}
QString chosenCount(int chosen, int total)
{
    return QStringLiteral("Schede scelte: %1 di %2").arg(chosen).arg(total);
}
QString clientLabel()
{
    return QStringLiteral("Cliente:");
}
QString noteLabel()
{
    return QStringLiteral("Nota per la copertina:");
}
QString fieldsLabel()
{
    return QStringLiteral("Misure e dati fisici:");
}
QString personalLabel()
{
    return QStringLiteral("Dati personali (inclusi solo se spuntati):");
}
QString picturesChoice()
{
    return QStringLiteral("Foto allegate");
}
QString makePdf()
{
    return QStringLiteral("Crea PDF");
}
QString makeWeb()
{
    return QStringLiteral("Crea pagina web");
}
QString close()
{
    return QStringLiteral("Chiudi");
}
QString nothingChosen()
{
    return QStringLiteral("Scegliere almeno una scheda da inserire nel pacchetto.");
}
QString pdfProgress()
{
    return QStringLiteral("Preparazione del PDF del pacchetto...");
}
QString pdfPage(int page, int pages)
{
    return QStringLiteral("Preparazione del PDF del pacchetto... pagina %1 di %2").arg(page).arg(pages);
}
QString pdfCancelled()
{
    return QStringLiteral("La stampa del pacchetto è stata annullata.");
}
QString pdfFailed()
{
    return QStringLiteral("Impossibile stampare il pacchetto.");
}
QString webProgress()
{
    return QStringLiteral("Creazione della pagina web del pacchetto...");
}
QString webCancelled()
{
    return QStringLiteral("La creazione della pagina web è stata annullata: non è stato lasciato nessun file.");
}
QString webFailed(const QString& reason)
{
    return QStringLiteral("Impossibile creare la pagina web del pacchetto.") + paragraph + reason;
}
QString webDone(const QString& folder)
{
    return QStringLiteral("La pagina web del pacchetto è stata creata nella cartella:") + paragraph + folder + paragraph
        + QStringLiteral("Aprirla ora nel browser?");
}
QString galleryProgress()
{
    return QStringLiteral("Creazione della galleria web del book...");
}
QString galleryCancelled()
{
    return QStringLiteral("La creazione della galleria web è stata annullata: non è stato lasciato nessun file.");
}
QString galleryFailed(const QString& reason)
{
    return QStringLiteral("Impossibile creare la galleria web del book.") + paragraph + reason;
}
QString galleryDone(const QString& folder)
{
    return QStringLiteral("La galleria web del book è stata creata nella cartella:") + paragraph + folder + paragraph
        + QStringLiteral("Aprirla ora nel browser?");
}
QString webNotOpened(const QString& folder)
{
    return QStringLiteral("Attenzione: non è stato possibile aprire la pagina nel browser.") + paragraph
        + QStringLiteral("I file restano nella cartella:") + paragraph + folder;
}

} // namespace lumidex::packagetext
