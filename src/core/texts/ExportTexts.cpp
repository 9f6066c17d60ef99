#include "texts/ExportTexts.h"

namespace lumidex::exporttext {

QString ready()
{
    return QStringLiteral("Esportazione archivio in Microsoft Excel.");
}

QString askToExport()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString exporting()
{
    return QStringLiteral("Esportazione in corso...");
}

QString exported()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                          "Si vuole aprire il file di Excel?");
}

QString failed()
{
    // Joined by LF CR LF CR, as this message has always been.
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

QString cannotOpen(const QString& path)
{
    return QStringLiteral("Attenzione: nel sistema non è installata nessuna applicazione in grado di aprire il foglio "
                          "di calcolo.\r\n\r\nIl file è stato comunque salvato in %1 e potrà essere aperto con un "
                          "programma come LibreOffice Calc o Microsoft Excel.")
        .arg(path);
}

QString partialRead(qsizetype read, qsizetype total)
{
    if (total < 0)
        return QStringLiteral("Sono state lette solo %1 schede: non è stato possibile sapere quante ne contenga "
                              "l'archivio.")
            .arg(read);
    return QStringLiteral("Sono state lette solo %1 schede su %2.").arg(read).arg(total);
}

QString askToExportPartial(qsizetype read, qsizetype total)
{
    return partialRead(read, total)
        + QStringLiteral("\r\n\r\nIl file di Excel conterrebbe solo le schede lette. Si vuole esportarle comunque?");
}

QString exportedPartially(qsizetype read, qsizetype total)
{
    return partialRead(read, total)
        + QStringLiteral("\r\n\r\nIl file di Excel contiene solo le schede lette.\r\n\r\n"
                         "Si vuole aprire il file di Excel?");
}

QString exportTip()
{
    return QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
}

QString exportText()
{
    return QStringLiteral("Esporta archivio");
}

QString helpTip()
{
    return QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
}

QString helpText()
{
    return QStringLiteral("Guida");
}

QString exitTip()
{
    return QStringLiteral("Esci da questo ambiente di lavoro.");
}

QString exitToolTip()
{
    return QStringLiteral("Esci (Esc)");
}

} // namespace lumidex::exporttext
