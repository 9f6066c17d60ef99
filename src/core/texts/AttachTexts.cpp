#include "texts/AttachTexts.h"

namespace lumidex::attachtext {

QString replaceQuestion()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                          "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

QString copying()
{
    return QStringLiteral("Copia del file in corso...");
}

QString copyFailed()
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
}

QString nameNotStorable()
{
    return QStringLiteral("Attenzione: il nome del file scelto non può essere memorizzato nella scheda.\r\n\r\n"
                          "Rinominare il file con al massimo 250 caratteri, senza simboli speciali, e sceglierlo "
                          "di nuovo.");
}

QString fileMissing(const QString& name)
{
    return QStringLiteral("Attenzione: il file «%1» non è presente nella cartella dei documenti allegati.\r\n\r\n"
                          "Per allegarlo di nuovo premere il pulsante Sfoglia... e sceglierlo.")
        .arg(name);
}

QString noApplication(const QString& name)
{
    return QStringLiteral("Attenzione: nel sistema non è installata nessuna applicazione in grado di aprire il file "
                          "«%1».\r\n\r\nInstallare un programma adatto a questo tipo di file; il file resta "
                          "allegato alla scheda.")
        .arg(name);
}

QString fileUnreadable(const QString& name)
{
    return QStringLiteral(
        "Attenzione: non è stato possibile aprire il file «%1» della cartella dei documenti allegati.")
        .arg(name);
}

QString caption()
{
    return QStringLiteral(" Allega file");
}

QString applyButton()
{
    return QStringLiteral("Applica e chiudi");
}

QString slotCaption()
{
    return QStringLiteral("° file allegato:");
}

QString nameCaption()
{
    return QStringLiteral("Nome ");
}

QString descriptionCaption()
{
    return QStringLiteral("Descrizione ");
}

QString eraseTip()
{
    return QStringLiteral("Toglie il file allegato dalla scheda.");
}

QString browseButton()
{
    return QStringLiteral("Sfoglia...");
}

QString openButton()
{
    return QStringLiteral("Apri");
}

QString chooseTitle()
{
    return QStringLiteral("Selezionare il file da allegare:");
}

QString chooseFilter()
{
    return QStringLiteral("Tutti i file (*.*)|*.*");
}

} // namespace lumidex::attachtext
