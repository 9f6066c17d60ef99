#include "help/ManualChapters.h"

#include "help/BackupChapter.h"

namespace lumidex::help {

namespace {

ManualChapter compCardAndContactSheet()
{
    return { QStringLiteral("Comp card e provino del book."),
        {
            QStringLiteral("La comp card è il foglio da inviare ai clienti per una modella o un modello: la foto "
                           "della scheda in grande, le foto allegate alla scheda, il nome e le misure (altezza, "
                           "peso, vita, fianchi, taglia, scarpe, occhi e capelli), con in fondo la riga "
                           "dell'agenzia. Si apre dalla scheda anagrafica con il pulsante della comp card o con "
                           "Ctrl+Maiusc+P; si sceglie il formato del foglio (A5 o A4 orizzontale), si scrive la "
                           "riga dell'agenzia e si stampa o se ne vede l'anteprima. La riga dell'agenzia resta "
                           "nella cartella del programma (file Lumidex_Agenzia.txt) e viene riproposta le volte "
                           "successive."),
            QStringLiteral("Il provino raccoglie tutte le foto di un book in miniatura, venti per pagina, "
                           "ciascuna con la sua posizione nel book, il titolo e la data dello scatto. Si apre "
                           "dalla scheda del book fotografico con il pulsante del provino o con Ctrl+Maiusc+P, e "
                           "si stampa o se ne vede l'anteprima. Una scheda senza foto compare con la figura che la "
                           "scheda mostra al posto della foto, così che la numerazione corrisponda sempre a "
                           "quella del book."),
        } };
}

ManualChapter packagesAndGalleries()
{
    return { QStringLiteral("Pacchetti per i clienti e gallerie web."),
        {
            QStringLiteral("Un pacchetto raccoglie le schede da inviare a un cliente. Si prepara dalla scheda "
                           "anagrafica con il pulsante del pacchetto o con Ctrl+Maiusc+K: la finestra elenca "
                           "tutte le schede dell'archivio, ciascuna con la sua casella. Scrivendo nel campo "
                           "\"Filtra\" l'elenco si restringe alle schede il cui nome, sesso, colore degli occhi "
                           "o dei capelli o disponibilità contengono il testo scritto; \"Seleziona tutte\" e "
                           "\"Deseleziona tutte\" agiscono sulle schede mostrate, e sotto l'elenco si legge "
                           "quante schede sono state scelte. Si scrivono poi il nome del cliente e una breve nota "
                           "per la copertina."),
            QStringLiteral("Il pacchetto mostra il nome, le misure e i dati fisici (altezza, peso, vita, fianchi, "
                           "taglia, scarpe, occhi e capelli) e le foto allegate, a meno di togliere la spunta. I "
                           "dati personali (data e luogo di nascita, indirizzo, codice fiscale, partita IVA, "
                           "IBAN, telefoni, e-mail, documento di riconoscimento) escono dall'agenzia solo se si "
                           "spuntano uno per uno."),
            QStringLiteral("\"Crea PDF\" stampa, o salva in un file attraverso la finestra di stampa, una "
                           "copertina con la riga dell'agenzia, il cliente, la nota, la data e i nomi delle "
                           "schede, poi una comp card in formato A4 per ogni scheda. \"Crea pagina web\" scrive "
                           "nella cartella Pacchetti del programma una cartella con il nome del cliente e la data "
                           "(se esiste già, con \" (2)\", \" (3)\" e così via): la pagina index.html con la "
                           "griglia delle schede, una pagina per ogni scheda e le foto ridotte a 1600 pixel sul "
                           "lato lungo, senza mai copiare gli originali. La cartella funziona aperta dal disco, "
                           "si può copiare su un sito web e si legge bene anche sul telefono; alla fine il "
                           "programma propone di aprirla nel browser."),
            QStringLiteral("Dalla scheda del book fotografico, il pulsante della galleria (Ctrl+Maiusc+G) crea "
                           "allo stesso modo, nella cartella Gallerie, la galleria web dell'intero book: le "
                           "miniature nell'ordine delle schede e una pagina per ogni foto con titolo, "
                           "descrizione, data, location e fotografo, con i collegamenti \"Precedente\" e "
                           "\"Successiva\". Un pacchetto o una galleria annullati con \"Annulla\", o non "
                           "riusciti per un disco pieno, non lasciano alcun file."),
        } };
}

ManualChapter shootingData()
{
    return { QStringLiteral("Dati di scatto letti dalla foto."),
        {
            QStringLiteral("Quando si carica una foto in una scheda del book fotografico con \"Carica foto\", "
                           "Lumidex legge i dati che la fotocamera ha registrato nel file (EXIF): se i campi "
                           "\"Fotocamera\" e \"Data scatto\" della scheda sono vuoti, vengono compilati con il "
                           "modello della fotocamera e con la data dello scatto. I campi già compilati restano "
                           "come sono."),
            QStringLiteral("La riga di stato in basso dice che cosa è stato letto dalla foto, oppure che la foto "
                           "non riporta la fotocamera o la data; le foto scansionate o ritoccate spesso non "
                           "riportano questi dati. La scheda va poi salvata come sempre."),
        } };
}

ManualChapter keyboard()
{
    return { QStringLiteral("Scorciatoie da tastiera."),
        {
            QStringLiteral("Ogni comando delle schede si può dare anche dalla tastiera; il suggerimento che compare "
                           "fermando il puntatore su un pulsante indica la sua scorciatoia."),
            QStringLiteral("Nella scheda anagrafica e nella scheda del book fotografico: Ctrl+N prepara una nuova "
                           "scheda, Ctrl+D duplica la scheda corrente, Ctrl+S salva, Ctrl+F apre la ricerca, "
                           "Ctrl+P stampa la scheda, Ctrl+Maiusc+P stampa la comp card (scheda anagrafica) o il "
                           "provino (book fotografico), Ctrl+Maiusc+K prepara un pacchetto per un cliente "
                           "(scheda anagrafica), Ctrl+Maiusc+G crea la galleria web (book fotografico), F1 mostra "
                           "la pagina della guida."),
            QStringLiteral("Per scorrere l'archivio: Alt+Inizio porta alla prima scheda, Alt+Freccia sinistra o "
                           "PagSu alla precedente, Alt+Freccia destra o PagGiù alla successiva, Alt+Fine "
                           "all'ultima."),
            QStringLiteral("Nei campi delle schede, Invio porta al campo successivo. Nelle finestre del book "
                           "fotografico, Invio conferma la creazione o l'apertura del book, Canc elimina il book "
                           "selezionato ed Esc torna indietro; nella finestra di esportazione Ctrl+E esporta. "
                           "Esc chiude ogni finestra di dialogo come il suo pulsante \"Chiudi\"."),
        } };
}

ManualChapter dataCare()
{
    return { QStringLiteral("Lavori lunghi e cura dei dati."),
        {
            QStringLiteral("Le operazioni che richiedono tempo (la copia di un file allegato di grandi "
                           "dimensioni, la stampa o l'anteprima di molte pagine, il provino, l'esportazione di "
                           "molte schede) mostrano dopo mezzo secondo una finestra con l'avanzamento e il "
                           "pulsante \"Annulla\". Annullando una copia, la scheda e i file già presenti restano "
                           "come erano; annullando una stampa, questa si ferma dopo la pagina in corso."),
            QStringLiteral("Gli archivi memorizzano le lettere dell'alfabeto latino occidentale. Una lettera che "
                           "l'archivio non può contenere ma che ha una forma semplice viene scritta in quella "
                           "forma (per esempio Ş diventa S, ă diventa a, ł diventa l) e la riga di stato lo dice "
                           "subito; un carattere senza forma semplice, come un simbolo grafico, non viene "
                           "accettato."),
            QStringLiteral("Ogni file che il programma scrive (le schede, le foto, gli allegati, la password, "
                           "l'esportazione) prende il posto del precedente solo quando è stato scritto per "
                           "intero: se il disco è pieno, il programma lo dice e il file precedente resta "
                           "com'era. Se il programma o il computer si fermano mentre si salva una scheda, alla "
                           "successiva apertura dell'archivio la scheda torna com'era prima del salvataggio, mai "
                           "a metà."),
            QStringLiteral("La cartella del programma può stare in una cartella condivisa in rete e più computer "
                           "possono usarla insieme: mentre uno salva, gli altri attendono qualche istante. Se la "
                           "cartella condivisa non permette di bloccare gli archivi, il programma lo dice una "
                           "volta e continua a funzionare; in quel caso è bene non salvare schede da due "
                           "computer nello stesso momento."),
            QStringLiteral("Tutto ciò che Lumidex conserva si trova nella cartella del programma. Per una copia di "
                           "sicurezza non basta copiare l'intera cartella, che mentre un altro computer salva può "
                           "contenere una scheda a metà: la copia di sicurezza del programma, descritta nel "
                           "capitolo seguente, la verifica e la ripristina senza perdere nulla."),
        } };
}

} // namespace

QList<ManualChapter> manualChapters()
{
    return { compCardAndContactSheet(), packagesAndGalleries(), shootingData(), keyboard(), dataCare(),
        backupChapter() };
}

} // namespace lumidex::help
