#include "texts/BackupTexts.h"

#include "common/Formatting.h"

#include <QDateTime>

namespace lumidex::backuptext {

namespace {

const QString backupParagraph = QStringLiteral("\r\n\r\n");

QString dateAndTime(const QDateTime& when)
{
    return QStringLiteral("%1 alle %2").arg(formatShortDate(when.date()), when.toString(QStringLiteral("HH:mm")));
}

} // namespace

QString startMenuTip()
{
    return QStringLiteral("Copia di sicurezza dei dati");
}
QString caption()
{
    return QStringLiteral(" Copia di sicurezza");
}
QString title()
{
    return QStringLiteral("Copia di sicurezza");
}
QString explanation()
{
    return QStringLiteral("Un unico file ZIP con archivi, foto, allegati e password, riletto e verificato byte per "
                          "byte. Conservare le copie su un disco esterno, lontano dal computer.");
}
QString lastBackup(const QDateTime& when, const QString& file)
{
    return QStringLiteral("Ultima copia: %1\n%2").arg(dateAndTime(when), file);
}
QString noBackupYet()
{
    return QStringLiteral("Non è mai stata eseguita una copia di sicurezza.");
}
QString folderLabel()
{
    return QStringLiteral("Cartella delle copie:");
}
QString folderHint()
{
    return QStringLiteral("Meglio un disco esterno: una copia sullo stesso disco si perde con il disco.");
}
QString noFolder()
{
    return QStringLiteral("(nessuna cartella scelta)");
}
QString chooseFolder()
{
    return QStringLiteral("Scegli…");
}
QString chooseFolderTip()
{
    return QStringLiteral("Scegliere la cartella in cui salvare le copie, per esempio su un disco esterno");
}
QString chooseFolderTitle()
{
    return QStringLiteral("Cartella delle copie di sicurezza");
}
QString includeOutputs()
{
    return QStringLiteral("Includi pacchetti, gallerie ed esportazioni");
}
QString includeOutputsTip()
{
    return QStringLiteral("Pacchetti, gallerie web, schede dei dati personali ed esportazioni si possono creare di "
                          "nuovo: senza di loro la copia è più piccola.");
}
QString reminderLabel()
{
    return QStringLiteral("Promemoria all'uscita:");
}
QString reminderNever()
{
    return QStringLiteral("Mai");
}
QString reminderDaily()
{
    return QStringLiteral("Ogni giorno");
}
QString reminderWeekly()
{
    return QStringLiteral("Ogni settimana");
}
QString reminderMonthly()
{
    return QStringLiteral("Ogni mese");
}
QString keepLabel()
{
    return QStringLiteral("Copie da conservare nella cartella:");
}
QString keepAll()
{
    return QStringLiteral("tutte");
}
QString keepTip()
{
    return QStringLiteral("Le copie più vecchie vengono rimosse solo dopo che la nuova è stata verificata.");
}
QString makeBackup()
{
    return QStringLiteral("Esegui la copia di sicurezza");
}
QString restore()
{
    return QStringLiteral("Ripristina da una copia…");
}
QString restoreElsewhere()
{
    return QStringLiteral("Ripristina in un'altra cartella…");
}
QString restoreElsewhereTip()
{
    return QStringLiteral("Estrae una copia in una cartella vuota, senza toccare i dati attuali");
}
QString close()
{
    return QStringLiteral("Chiudi");
}

QString settingsNotSaved(const QString& reason)
{
    return QStringLiteral("Impossibile salvare le impostazioni della copia di sicurezza in Lumidex.ini (%1).")
        .arg(reason);
}

QString reminder(const QDate& lastBackup)
{
    return QStringLiteral("L'ultima copia di sicurezza è del %1.\r\n\r\nEseguirla ora?")
        .arg(formatShortDate(lastBackup));
}
QString reminderNoBackupYet()
{
    return QStringLiteral("Non è mai stata eseguita una copia di sicurezza.\r\n\r\nEseguirla ora?");
}

QString copying()
{
    return QStringLiteral("Copia di sicurezza in corso…");
}
QString checkingCopy()
{
    return QStringLiteral("Verifica della copia in corso…");
}
QString contents(int cards, int books, int entries, int photos, int attachedFiles)
{
    return QStringLiteral("%1 schede anagrafiche, %2 book con %3 foto del book, %4 foto, %5 file allegati")
        .arg(cards)
        .arg(books)
        .arg(entries)
        .arg(photos)
        .arg(attachedFiles);
}
QString backupDone(const QString& file, const QString& contents)
{
    return QStringLiteral("La copia di sicurezza è stata eseguita e verificata.") + backupParagraph
        + QStringLiteral("File: %1\r\nContenuto: %2").arg(file, contents);
}
QString findingsHeading()
{
    return QStringLiteral("Controllo della cartella:");
}
QString noFindings()
{
    return QStringLiteral("Controllo della cartella: nessun problema.");
}
QString partialRecord(const QString& archive, qint64 bytes)
{
    return QStringLiteral("%1 termina con %2 byte di una scheda incompleta (un salvataggio interrotto: innocuo).")
        .arg(archive)
        .arg(bytes);
}
QString missingAttachment(const QString& archive, int card, const QString& name)
{
    return QStringLiteral("%1, scheda %2: manca il file allegato \"%3\".").arg(archive).arg(card).arg(name);
}
QString photoPastLastCard(const QString& photo)
{
    return QStringLiteral("%1: foto oltre l'ultima scheda del suo archivio.").arg(photo);
}
QString changedWhileCopied()
{
    return QStringLiteral("Questi file sono cambiati mentre venivano copiati: ripetere la copia per averli "
                          "sicuramente completi:");
}
QString leftOut()
{
    return QStringLiteral("Non copiati (collegamenti o file speciali):");
}
QString removedOld(int count)
{
    return QStringLiteral("Copie precedenti rimosse: %1.").arg(count);
}
QString notRemoved()
{
    return QStringLiteral("Copie precedenti che non è stato possibile rimuovere:");
}
QString moreLines(int count)
{
    return QStringLiteral("… e altri %1.").arg(count);
}
QString backupCancelled()
{
    return QStringLiteral("Copia di sicurezza annullata: nella cartella delle copie non è rimasto alcun file.");
}
QString backupFailed(const QString& what)
{
    return QStringLiteral("La copia di sicurezza non è stata eseguita.") + backupParagraph + what + backupParagraph
        + QStringLiteral("Nella cartella delle copie non è rimasto alcun file e le copie precedenti sono come erano.");
}
QString noTargetChosen()
{
    return QStringLiteral("Scegliere prima la cartella in cui salvare le copie.");
}
QString targetMissing(const QString& folder)
{
    return QStringLiteral("La cartella delle copie \"%1\" non è raggiungibile: collegare il disco o sceglierne "
                          "un'altra.")
        .arg(folder);
}
QString targetInsideProgramFolder()
{
    return QStringLiteral("La cartella delle copie non può trovarsi nella cartella del programma: una copia si "
                          "perderebbe con i dati. Scegliere un disco esterno o un'altra cartella.");
}
QString cannotCreate(const QString& reason)
{
    return QStringLiteral("Impossibile creare il file nella cartella delle copie (%1).").arg(reason);
}
QString cannotReadArchive(const QString& archive, const QString& reason)
{
    return QStringLiteral("Impossibile leggere l'archivio %1 (%2). Se un altro computer lo sta usando, riprovare tra "
                          "poco.")
        .arg(archive, reason);
}
QString cannotReadFile(const QString& file, const QString& reason)
{
    return QStringLiteral("Impossibile leggere il file %1 (%2).").arg(file, reason);
}
QString cannotWrite(const QString& reason)
{
    return QStringLiteral("Scrittura della copia non riuscita: il disco è pieno o è stato scollegato? (%1)")
        .arg(reason);
}
QString checkFailed(const QString& entry, const QString& reason)
{
    return QStringLiteral("La copia riletta non corrisponde ai dati: %1 (%2). Il disco delle copie potrebbe essere "
                          "danneggiato.")
        .arg(entry, reason);
}
QString cannotName(const QString& reason)
{
    return QStringLiteral("Impossibile dare alla copia il suo nome definitivo (%1).").arg(reason);
}

QString chooseBackupTitle()
{
    return QStringLiteral("Copia di sicurezza da ripristinare");
}
QString backupFilter()
{
    return QStringLiteral("Copie di sicurezza di Lumidex (*.zip)|*.zip");
}
QString chooseEmptyFolderTitle()
{
    return QStringLiteral("Cartella vuota in cui ripristinare la copia");
}
QString checkingBackup()
{
    return QStringLiteral("Verifica della copia da ripristinare…");
}
QString restoring()
{
    return QStringLiteral("Ripristino in corso…");
}
QString backupUnreadable(const QString& file, const QString& reason)
{
    return QStringLiteral("Impossibile leggere la copia \"%1\" (%2).").arg(file, reason);
}
QString backupDamaged(const QString& file, const QString& entry, const QString& reason)
{
    return QStringLiteral("La copia \"%1\" è danneggiata e non viene ripristinata.").arg(file) + backupParagraph
        + QStringLiteral("Prima voce non valida: %1 (%2).").arg(entry, reason);
}
QString backupForeign(const QString& file, const QString& entry, const QString& reason)
{
    return QStringLiteral("La copia \"%1\" contiene una voce che una copia di sicurezza di Lumidex non ha mai, e non "
                          "viene ripristinata.")
               .arg(file)
        + backupParagraph + QStringLiteral("Voce: %1 (%2).").arg(entry, reason);
}
QString restoreQuestion(const QDateTime& made, const QString& contents)
{
    return QStringLiteral("Copia di sicurezza del %1.").arg(dateAndTime(made)) + backupParagraph
        + QStringLiteral("Contenuto: %1.").arg(contents) + backupParagraph
        + QStringLiteral("Ripristinarla? I dati attuali verranno spostati in una cartella Prima_del_ripristino "
                         "nella cartella del programma: nulla verrà cancellato. La password sarà quella in uso "
                         "il %1.")
              .arg(formatShortDate(made.date()));
}
QString restoreElsewhereQuestion(const QDateTime& made, const QString& contents, const QString& folder)
{
    return QStringLiteral("Copia di sicurezza del %1.").arg(dateAndTime(made)) + backupParagraph
        + QStringLiteral("Contenuto: %1.").arg(contents) + backupParagraph
        + QStringLiteral("Ripristinarla nella cartella \"%1\"? I dati attuali non vengono toccati. La password di "
                         "quella cartella sarà quella in uso il %2.")
              .arg(folder, formatShortDate(made.date()));
}
QString restoreDone(const QString& asideFolder)
{
    return QStringLiteral("Ripristino completato.") + backupParagraph
        + QStringLiteral("I dati che c'erano prima sono nella cartella %1.").arg(asideFolder);
}
QString restoreElsewhereDone(const QString& folder)
{
    return QStringLiteral("La copia è stata ripristinata nella cartella %1.").arg(folder);
}
QString archiveBusy(const QString& reason)
{
    return QStringLiteral("Impossibile ripristinare: un archivio è in uso su un altro computer (%1).").arg(reason)
        + backupParagraph
        + QStringLiteral("Chiudere Lumidex sugli altri computer e riprovare. I dati sono rimasti come erano.");
}
QString folderNotEmpty(const QString& folder)
{
    return QStringLiteral("La cartella \"%1\" non è vuota: scegliere una cartella vuota.").arg(folder);
}
QString restoreFailed(const QString& what, const QString& reason)
{
    return QStringLiteral("Ripristino non riuscito: %1 (%2).").arg(what, reason) + backupParagraph
        + QStringLiteral("I dati sono rimasti come erano.");
}
QString restoreCancelled()
{
    return QStringLiteral("Ripristino annullato: i dati sono rimasti come erano.");
}

} // namespace lumidex::backuptext
