#include "support/HelpTexts.h"

#include <QHash>

namespace lumidex::test::helptexts {

namespace {

// Every paragraph once, by its mark; the pages are put together from the marks.
const QHash<QString, QString>& written()
{
    static const QHash<QString, QString> all {
        { QStringLiteral("S1"),
            QStringLiteral(
                "Lumidex è un software semplice e intuitivo, pensato per i fotografi professionisti e per le agenzie "
                "di moda che realizzano servizi fotografici per promuovere modelle e modelli di ogni età. Le sue "
                "applicazioni consentono di creare un numero illimitato di book fotografici con le foto di persone che "
                "lavorano, o aspirano a lavorare, nel mondo della moda, dello spettacolo, del commercio, della "
                "televisione, dell'editoria o delle pubbliche relazioni (come indossatrici, ragazze immagine, hostess "
                "e hostess di stand fieristici, interpreti, fotomodelle, promoter, ballerine, presentatrici, "
                "animatrici). Un'ulteriore sezione consente di gestire i book fotografici dei soggetti maschili.") },
        { QStringLiteral("B1"),
            QStringLiteral("Le due aree Book Fotografici Donne e Book Fotografici Uomini permettono di organizzare i "
                           "servizi fotografici realizzati per le modelle e per i modelli dell'agenzia. Ciascuna area "
                           "dà accesso a due applicazioni: la prima consente di creare un nuovo book fotografico, la "
                           "seconda di aprire un book esistente e di inserirvi le schede. Per iniziare è sufficiente "
                           "premere il pulsante dell'applicazione desiderata.") },
        { QStringLiteral("B2"),
            QStringLiteral(
                "L'applicazione Creazione book fotografico permette di generare un nuovo book indicandone il nome per "
                "esteso nell'apposito campo di testo e confermando l'operazione servendosi del pulsante in calce.") },
        { QStringLiteral("B3"),
            QStringLiteral("La creazione di un book fotografico genera nella cartella del programma un file di "
                           "archivio con estensione WMN (donne) o MEN (uomini). Ogni book può contenere un numero "
                           "illimitato di schede, ciascuna corredata di una foto e dei relativi commenti.") },
        { QStringLiteral("B4"),
            QStringLiteral("Per individuare il book fotografico creato senza possibilità di errore, è buona norma "
                           "assegnargli un nome il più possibile completo utilizzando parole chiave che indichino, ad "
                           "esempio, il nome della modella e il destinatario dello stesso book.") },
        { QStringLiteral("B5"),
            QStringLiteral(
                "Dopo aver digitato il nome, bisogna confermare l'operazione con il pulsante Applica e chiudi. In "
                "seguito, dalla finestra di avvio del programma, è sufficiente fare clic su Book Donne o Book Uomini e "
                "poi su Apri book fotografico esistente: compare l'elenco di tutti i book creati, nel quale bisogna "
                "selezionare con un clic il book da compilare e premere il pulsante Apri archivio.") },
        { QStringLiteral("B6"),
            QStringLiteral(
                "L'icona del cestino consente di eliminare il book fotografico selezionato. Questa funzione va "
                "utilizzata con molta cautela dal momento che un book eliminato non può essere recuperato.") },
        { QStringLiteral("B7"),
            QStringLiteral("Poiché tutti i file di archivio si trovano nella cartella di installazione del programma, "
                           "per effettuare una copia di sicurezza dei book fotografici è sufficiente copiare l'intera "
                           "cartella di Lumidex su un qualsiasi supporto di memorizzazione, ad esempio un disco fisso "
                           "esterno o una chiavetta USB.") },
        { QStringLiteral("B8"),
            QStringLiteral("Le applicazioni Book Fotografico Donne e Book Fotografico Uomini consentono di gestire le "
                           "singole pagine di ogni book fotografico da visualizzare a schermo o stampare su carta.") },
        { QStringLiteral("B9"),
            QStringLiteral("Ogni scheda del book fotografico contiene i seguenti dati: titolo della foto, descrizione, "
                           "data dello scatto, località, fotografo, marca e modello della fotocamera, eventuali "
                           "ritocchi, abiti indossati dalla modella, accessori, trucco, giudizio personale sulla "
                           "qualità della foto ed eventuali note aggiuntive.") },
        { QStringLiteral("B10"),
            QStringLiteral("A ciascuna scheda è possibile associare una foto della modella in formato JPEG o Bitmap, "
                           "salvata in precedenza sul disco del computer e importata con il pulsante Carica foto. La "
                           "foto viene ridimensionata automaticamente in base alla cornice di anteprima e l'icona "
                           "dello zoom consente di visualizzarla a schermo intero. Ogni foto può essere salvata su "
                           "disco o eliminata in qualsiasi momento con gli appositi pulsanti.") },
        { QStringLiteral("B11"),
            QStringLiteral(
                "Per inserire una nuova scheda, bisogna premere il pulsante Nuovo, compilare i campi di testo, "
                "caricare una foto e premere il pulsante Salva. Per creare una nuova scheda che conservi tutti i campi "
                "di testo di una scheda già in archivio, bisogna premere il pulsante Duplica, apportare le modifiche o "
                "le aggiunte desiderate, caricare la nuova foto e premere il pulsante Salva.") },
        { QStringLiteral("B12"),
            QStringLiteral("La funzione Allega file consente di associare a ciascuna scheda del book fotografico tre "
                           "file di qualsiasi genere che potrebbero contenere, ad esempio, documenti riguardanti il "
                           "servizio fotografico in questione.") },
        { QStringLiteral("B13"),
            QStringLiteral("Il pulsante Trova consente di effettuare una ricerca fra le schede del book fotografico e "
                           "di richiamare quella di proprio interesse con un doppio clic.") },
        { QStringLiteral("B14"),
            QStringLiteral(
                "Il pulsante Slide Show consente di visualizzare a schermo intero, una dopo l'altra, tutte le foto del "
                "book con un intervallo di sei secondi. Dopo l'ultima foto la presentazione riprende dalla prima; per "
                "terminarla è sufficiente fare clic in un punto qualsiasi dello schermo.") },
        { QStringLiteral("B15"),
            QStringLiteral(
                "Il pulsante Anteprima consente di visualizzare in qualsiasi momento l'anteprima di stampa della "
                "pagina corrente del book, mentre il pulsante Stampa permette di stamparla direttamente su carta. I "
                "dati testuali di ciascun book possono inoltre essere esportati in un foglio di lavoro di Microsoft "
                "Excel, per condividerli con persone che non dispongono del programma.") },
        { QStringLiteral("R1"),
            QStringLiteral("L'applicazione Archivio Anagrafico consente di registrare tutte le informazioni necessarie "
                           "all'agenzia per restare in contatto con le proprie modelle: dati anagrafici, estremi di un "
                           "documento di riconoscimento, recapiti telefonici e indirizzo e-mail, caratteristiche "
                           "fisiche, titolo di studio, lingue conosciute ed esperienze lavorative. Ogni scheda "
                           "conserva inoltre la cittadinanza, il codice IBAN, la partita IVA e la disponibilità "
                           "lavorativa (ad esempio, i settori professionali e le aree geografiche di interesse).") },
        { QStringLiteral("R2"),
            QStringLiteral("Il campo \"Note\" accoglie ogni ulteriore informazione utile a individuare una modella con "
                           "la funzione di ricerca (ad esempio, se dispone di un'automobile, se è disposta a lavorare "
                           "all'estero, se ha vincoli contrattuali e così via). Una ricerca sul campo \"Note\" elenca "
                           "quindi tutte le schede che contengono la chiave di ricerca.") },
        { QStringLiteral("R3"),
            QStringLiteral("Per inserire una nuova scheda, bisogna premere il pulsante Nuovo, compilare i campi "
                           "desiderati, caricare una foto e premere il pulsante Salva. Per modificare una scheda, "
                           "bisogna richiamarla con le frecce di scorrimento delle schede o con la funzione di "
                           "ricerca, apportare le modifiche e premere il pulsante Salva.") },
        { QStringLiteral("R4"),
            QStringLiteral(
                "Il pulsante Duplica facilita la registrazione di due o più schede con dati molto simili, ad esempio "
                "quelle di due persone con lo stesso percorso professionale: è sufficiente visualizzare la scheda in "
                "archivio, premere il pulsante Duplica, inserire i nuovi dati e premere il pulsante Salva.") },
        { QStringLiteral("R5"),
            QStringLiteral(
                "Il pulsante Carica foto consente di inserire nella scheda l'immagine della modella in formato JPEG o "
                "Bitmap. L'immagine viene ridimensionata automaticamente in base alla cornice di anteprima e l'icona "
                "dello zoom permette di visualizzarla a schermo intero. L'immagine può essere salvata su disco o "
                "eliminata in qualsiasi momento con gli appositi pulsanti.") },
        { QStringLiteral("R6"),
            QStringLiteral("Con il pulsante Allega file è possibile allegare documenti di qualsiasi genere alla scheda "
                           "di ciascuna persona (ad esempio, ulteriori foto scattate da diverse prospettive).") },
        { QStringLiteral("R7"),
            QStringLiteral(
                "Il pulsante Slide Show consente di visualizzare a schermo intero, una dopo l'altra, tutte le foto "
                "dell'archivio con un intervallo di sei secondi, una funzione che può aiutare un'azienda cliente nella "
                "scelta delle persone. Dopo l'ultima foto la presentazione riprende dalla prima; per terminarla è "
                "sufficiente fare clic in un punto qualsiasi dello schermo.") },
        { QStringLiteral("R8"),
            QStringLiteral("Una volta inserite le schede in archivio, il programma offre funzioni di ricerca avanzate, "
                           "anche su una chiave parziale (una o più parole consecutive contenute in un campo "
                           "qualsiasi). Ogni ricerca può interessare contemporaneamente uno o più campi.") },
        { QStringLiteral("R9"),
            QStringLiteral("I dati testuali e le foto vengono memorizzati in file che si trovano nella cartella di "
                           "installazione del programma. Per effettuare una copia di sicurezza è sufficiente copiare "
                           "l'intera cartella di Lumidex su una chiavetta USB o su un qualsiasi altro supporto; per "
                           "ripristinare i dati basta sovrascrivere la cartella di installazione con la copia.") },
        { QStringLiteral("R10"),
            QStringLiteral(
                "I dati testuali di ciascun archivio possono essere esportati in un foglio di lavoro di Microsoft "
                "Excel, per condividerli con persone che non dispongono del programma. Le singole schede, complete di "
                "foto, possono essere visualizzate in anteprima di stampa o stampate su carta.") },
        { QStringLiteral("S2"),
            QStringLiteral("Ogni archivio di Lumidex può essere esportato con pochi clic del mouse in un file di "
                           "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file "
                           "in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).") },
        { QStringLiteral("S3"),
            QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha necessità di "
                           "condividere gli archivi fra più postazioni di lavoro.") },
        { QStringLiteral("S4"),
            QStringLiteral("L'accesso al software è protetto da una password aggiornabile dall'utente che può essere "
                           "cambiata tutte le volte che si desidera. Per il primo accesso al programma, bisogna "
                           "utilizzare la parola chiave \"lucernaviolata\" (scritta senza le virgolette).") },
        { QStringLiteral("S5"),
            QStringLiteral("Lumidex può essere eseguito anche da una chiavetta USB: è sufficiente copiare la cartella "
                           "del programma nella pen drive e fare doppio clic sull'icona dell'applicazione. La copia "
                           "della cartella su un dispositivo esterno è inoltre il modo più rapido per effettuare una "
                           "copia di sicurezza di tutti gli archivi.") },
        { QStringLiteral("S6"),
            QStringLiteral(
                "In conclusione, Lumidex è lo strumento ideale per le agenzie di modelle e fotomodelle che desiderano "
                "realizzare, in tempi record, un archivio fotografico da sfogliare insieme alle aziende che cercano "
                "personale per sfilate, spettacoli, spot pubblicitari e simili. L'utente rimarrà piacevolmente "
                "sorpreso dalla rapidità con cui si impara a utilizzare il programma.") },
        { QStringLiteral("X1"),
            QStringLiteral(
                "Il pulsante Esporta archivio consente di esportare l'archivio anagrafico in un foglio di lavoro di "
                "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in formato "
                "XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).") },
        { QStringLiteral("X2"),
            QStringLiteral(
                "Il pulsante Esporta archivio consente di esportare i dati testuali presenti nel book fotografico in "
                "un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
                "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).") },
        { QStringLiteral("X3"),
            QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona "
                           "di Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le "
                           "schede in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al "
                           "messaggio di domanda che appare.") },
        { QStringLiteral("X4"),
            QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                           "qualsiasi.") },
    };
    return all;
}

QStringList run(QChar letter, int first, int last)
{
    QStringList texts;
    for (int i = first; i <= last; ++i)
        texts << paragraph(letter + QString::number(i));
    return texts;
}

} // namespace

QList<HelpPage> allPages()
{
    return { HelpPage::Introduction, HelpPage::Books, HelpPage::Registry, HelpPage::RegistryExport,
        HelpPage::BookExport };
}

QString title(HelpPage page)
{
    switch (page) {
    case HelpPage::Introduction:
        return QStringLiteral("Uno sguardo a Lumidex.");
    case HelpPage::Books:
        return QStringLiteral("Applicazione Book Fotografico Donne e Uomini.");
    case HelpPage::Registry:
        return QStringLiteral("Applicazione Archivio Anagrafico.");
    case HelpPage::RegistryExport:
        return QStringLiteral("Esportazione archivio anagrafico in Microsoft Excel.");
    case HelpPage::BookExport:
        return QStringLiteral("Esportazione book fotografico in Microsoft Excel.");
    }
    return {};
}

QString paragraph(const QString& mark)
{
    const auto found = written().constFind(mark);
    if (found == written().constEnd())
        qFatal("no help paragraph %s", qPrintable(mark));
    return *found;
}

QStringList paragraphs(HelpPage page)
{
    switch (page) {
    case HelpPage::Introduction:
        return run(u'S', 1, 1) + run(u'B', 1, 15) + run(u'R', 1, 10) + run(u'S', 2, 6);
    case HelpPage::Books:
        return run(u'B', 1, 15);
    case HelpPage::Registry:
        return run(u'R', 1, 10);
    case HelpPage::RegistryExport:
        return { paragraph(QStringLiteral("X1")), paragraph(QStringLiteral("X3")), paragraph(QStringLiteral("X4")) };
    case HelpPage::BookExport:
        return { paragraph(QStringLiteral("X2")), paragraph(QStringLiteral("X3")), paragraph(QStringLiteral("X4")) };
    }
    return {};
}

} // namespace lumidex::test::helptexts
