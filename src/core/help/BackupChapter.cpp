#include "help/BackupChapter.h"

namespace lumidex::help {

ManualChapter backupChapter()
{
    return { QStringLiteral("Copie di sicurezza."),
        {
            QStringLiteral("La figura del disco in alto a destra del menu principale apre la finestra \"Copia di "
                           "sicurezza\". \"Esegui la copia di sicurezza\" scrive nella cartella scelta un unico file "
                           "Lumidex_<data>_<ora>.zip con gli archivi, le foto, i documenti allegati, la password, la "
                           "riga dell'agenzia, le impostazioni, il registro dei pacchetti e i rapporti delle "
                           "importazioni. Pacchetti, gallerie, schede dei dati personali ed esportazioni si possono "
                           "creare di nuovo e vengono inclusi solo spuntando \"Includi pacchetti, gallerie ed "
                           "esportazioni\"."),
            QStringLiteral("La copia si può eseguire mentre altri computer usano la stessa cartella: ogni archivio "
                           "viene letto come lo legge una ricerca, quindi contiene solo schede intere. Prima di "
                           "scrivere, il programma controlla la cartella (schede incomplete in fondo a un archivio, "
                           "allegati mancanti, foto oltre l'ultima scheda) e alla fine dice che cosa ha trovato; dopo "
                           "aver scritto, rilegge l'intera copia dal disco e confronta ogni file con la sua impronta "
                           "SHA-256. Solo allora il file prende il suo nome definitivo; se qualcosa va storto (disco "
                           "pieno, disco scollegato) non resta alcun file e le copie precedenti non vengono toccate."),
            QStringLiteral("Dove conservarle: su un disco esterno o una chiavetta, da scollegare e tenere lontano "
                           "dal computer; una copia sullo stesso disco dei dati si perde insieme al disco. La "
                           "cartella delle copie non può stare dentro la cartella del programma. Nella finestra si "
                           "sceglie quante copie conservare (tutte o le ultime, 10 se non si cambia): le più vecchie "
                           "vengono rimosse solo dopo che la nuova è stata verificata."),
            QStringLiteral("Il promemoria: uscendo dal programma dal menu principale, se è passato il tempo scelto "
                           "nella finestra (ogni giorno, ogni settimana, ogni mese, oppure mai) il programma chiede "
                           "se eseguire subito la copia; rispondendo No la domanda torna la volta successiva. Se non "
                           "ci sono ancora schede né foto dei book, non chiede nulla."),
            QStringLiteral("Il ripristino: \"Ripristina da una copia…\" verifica per intero il file scelto (una copia "
                           "danneggiata viene rifiutata e il programma dice quale file non corrisponde), mostra la "
                           "data e il contenuto e chiede conferma. Poi sposta i dati attuali nella cartella "
                           "Prima_del_ripristino_<data>_<ora> dentro la cartella del programma, senza cancellare "
                           "nulla, e mette al loro posto quelli della copia. La password torna quella in uso il "
                           "giorno della copia; le impostazioni delle copie restano quelle attuali. Se un altro "
                           "computer sta usando un archivio, il ripristino non parte. \"Ripristina in un'altra "
                           "cartella…\" estrae la copia in una cartella vuota e non tocca nient'altro."),
            QStringLiteral("Ogni copia è un normale file ZIP che qualunque sistema apre, e contiene il file "
                           "SHA256SUMS con l'impronta di ogni file. Per controllarla senza il programma basta "
                           "estrarla in una cartella e, da lì, dare il comando sha256sum -c SHA256SUMS: ogni file "
                           "deve risultare OK."),
        } };
}

} // namespace lumidex::help
