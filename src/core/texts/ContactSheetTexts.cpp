#include "texts/ContactSheetTexts.h"

namespace lumidex::contactsheettext {

QString caption()
{
    return QStringLiteral(" Provino del book");
}

QString title()
{
    return QStringLiteral("Provino del book");
}

QString explanation()
{
    return QStringLiteral("Tutte le foto del book in miniatura, venti per pagina, ciascuna con la sua posizione, "
                          "il titolo e la data dello scatto.");
}

QString summary(const QString& bookName, int photos, int pages)
{
    // "foto" is the same in the singular and the plural.
    return QStringLiteral("%1: %2 foto, su %3 %4.")
        .arg(bookName)
        .arg(photos)
        .arg(pages)
        .arg(pages == 1 ? QStringLiteral("pagina") : QStringLiteral("pagine"));
}

QString printFailed()
{
    return QStringLiteral("Attenzione: la stampa del provino non è andata a buon fine.");
}

QString previewFailed()
{
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima del provino non è andata a buon fine.");
}

QString printingPage(int page, int pages)
{
    return QStringLiteral("Stampa del provino in corso... pagina %1 di %2").arg(page).arg(pages);
}

QString previewingPage(int page, int pages)
{
    return QStringLiteral("Preparazione dell'anteprima del provino... pagina %1 di %2").arg(page).arg(pages);
}

} // namespace lumidex::contactsheettext
