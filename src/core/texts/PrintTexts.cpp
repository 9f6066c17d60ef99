#include "texts/PrintTexts.h"

#include <QLocale>

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

QString printingPage(int page, int pages)
{
    return QStringLiteral("Stampa in corso... pagina %1 di %2").arg(page).arg(pages);
}

QString previewingPage(int page, int pages)
{
    return QStringLiteral("Preparazione dell'anteprima... pagina %1 di %2").arg(page).arg(pages);
}

QString longSummary(qsizetype lines, int pages)
{
    // Counts this large are read with their thousands marked.
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    return QStringLiteral("Il riepilogo di %1 righe occupa %2 pagine.\r\n\r\nProcedere con la stampa?")
        .arg(italian.toString(lines), italian.toString(pages));
}

QString summaryFailed(const QString& name)
{
    return QStringLiteral("Stampa del riepilogo non riuscita: la stampante non ha accettato le pagine di \"%1\".")
        .arg(name);
}

QString printCaption()
{
    return QStringLiteral(" Stampa scheda");
}

QString previewCaption()
{
    return QStringLiteral(" Anteprima di stampa");
}

} // namespace lumidex::printtext
