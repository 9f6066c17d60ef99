#include "texts/MakerContacts.h"
#include "help/HelpPages.h"

#include <QSet>
#include <QTest>

using namespace lumidex;

Q_DECLARE_METATYPE(lumidex::HelpPage)

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void bodyIsParagraphsJoinedByEmptyLines_data();
    void bodyIsParagraphsJoinedByEmptyLines();
    void wordForWordParagraphs_data();
    void wordForWordParagraphs();
    void introductionRepeatsBooksAndRegistry();
    void buttonsNamedAsTheyAppear_data();
    void buttonsNamedAsTheyAppear();
    void makerContacts();
};

namespace {

void addPageColumns()
{
    QTest::addColumn<HelpPage>("page");
}

} // namespace

void TestHelpPages::titles_data()
{
    addPageColumns();
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("paragraphCount");

    QTest::newRow("introduction") << HelpPage::Introduction << "Uno sguardo a Lumidex." << 31;
    QTest::newRow("books") << HelpPage::Books << "Applicazione Book Fotografico Donne e Uomini." << 15;
    QTest::newRow("registry") << HelpPage::Registry << "Applicazione Archivio Anagrafico." << 10;
    QTest::newRow("registry export") << HelpPage::RegistryExport
                                     << "Esportazione archivio anagrafico in Microsoft Excel." << 3;
    QTest::newRow("book export") << HelpPage::BookExport << "Esportazione book fotografico in Microsoft Excel." << 3;
}

void TestHelpPages::titles()
{
    QFETCH(HelpPage, page);
    QFETCH(QString, title);
    QFETCH(int, paragraphCount);

    QCOMPARE(help::title(page), title);
    QCOMPARE(help::paragraphs(page).size(), paragraphCount);
    QCOMPARE(help::allPages().size(), 5);
    QVERIFY(help::allPages().contains(page));
}

void TestHelpPages::bodyIsParagraphsJoinedByEmptyLines_data()
{
    addPageColumns();
    for (const HelpPage page : help::allPages())
        QTest::newRow(qPrintable(help::title(page))) << page;
}

void TestHelpPages::bodyIsParagraphsJoinedByEmptyLines()
{
    QFETCH(HelpPage, page);
    const QString body = help::body(page);
    const QStringList paragraphs = help::paragraphs(page);

    QCOMPARE(body.split(QStringLiteral("\r\n\r\n")), paragraphs);
    QVERIFY(!body.startsWith(u'\r') && !body.startsWith(u'\n'));
    QVERIFY(!body.endsWith(u'\r') && !body.endsWith(u'\n'));
    for (const QString& paragraph : paragraphs) {
        QVERIFY2(!paragraph.isEmpty(), "empty paragraph");
        QVERIFY2(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'), qPrintable(paragraph));
        QVERIFY2(paragraph == paragraph.trimmed(), qPrintable(paragraph));
        QVERIFY2(paragraph.endsWith(u'.'), qPrintable(paragraph));
    }
}

void TestHelpPages::wordForWordParagraphs_data()
{
    addPageColumns();
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    const QString b2 = QString::fromUtf8(
        "L'applicazione Creazione book fotografico permette di generare un nuovo book indicandone il nome "
        "per "
        "esteso nell'apposito campo di testo e confermando l'operazione servendosi del pulsante in calce.");
    const QString b4 = QString::fromUtf8("Per individuare il book fotografico creato senza possibilità di "
                                         "errore, è buona norma assegnargli un nome "
                                         "il più possibile completo utilizzando parole chiave che indichino, "
                                         "ad esempio, il nome della modella e il "
                                         "destinatario dello stesso book.");
    const QString b6
        = QString::fromUtf8("L'icona del cestino consente di eliminare il book fotografico selezionato. "
                            "Questa funzione va utilizzata "
                            "con molta cautela dal momento che un book eliminato non può essere recuperato.");
    const QString b8
        = QString::fromUtf8("Le applicazioni Book Fotografico Donne e Book Fotografico Uomini consentono di "
                            "gestire le singole pagine "
                            "di ogni book fotografico da visualizzare a schermo o stampare su carta.");
    const QString b12 = QString::fromUtf8(
        "La funzione Allega file consente di associare a ciascuna scheda del book fotografico tre file di "
        "qualsiasi genere che potrebbero contenere, ad esempio, documenti riguardanti il servizio "
        "fotografico in "
        "questione.");
    const QString b13 = QString::fromUtf8("Il pulsante Trova consente di effettuare una ricerca fra le "
                                          "schede del book fotografico e di richiamare "
                                          "quella di proprio interesse con un doppio clic.");
    const QString r6
        = QString::fromUtf8("Con il pulsante Allega file è possibile allegare documenti di qualsiasi genere "
                            "alla scheda di ciascuna "
                            "persona (ad esempio, ulteriori foto scattate da diverse prospettive).");
    const QString s3 = QString::fromUtf8("Il software può essere utilizzato anche in una rete locale se si "
                                         "ha necessità di condividere gli archivi "
                                         "fra più postazioni di lavoro.");
    const QString s4 = QString::fromUtf8(
        "L'accesso al software è protetto da una password aggiornabile dall'utente che può essere cambiata "
        "tutte "
        "le volte che si desidera. Per il primo accesso al programma, bisogna utilizzare la parola chiave "
        "\"lucernaviolata\" (scritta senza le virgolette).");
    const QString x1 = QString::fromUtf8(
        "Il pulsante Esporta archivio consente di esportare l'archivio anagrafico in un foglio di lavoro di "
        "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in "
        "formato "
        "XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).");
    const QString x2 = QString::fromUtf8(
        "Il pulsante Esporta archivio consente di esportare i dati testuali presenti nel book fotografico in "
        "un "
        "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
        "gestire i "
        "file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).");
    const QString x3 = QString::fromUtf8(
        "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
        "Questa operazione crea in tempo reale un file in formato XLS contenente le schede in archivio, che "
        "potrà "
        "essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare.");
    const QString x4 = QString::fromUtf8("A questo punto è sufficiente salvare il file sul proprio disco "
                                         "fisso assegnandogli un nome qualsiasi.");

    QTest::newRow("B2") << HelpPage::Books << 1 << b2;
    QTest::newRow("B4") << HelpPage::Books << 3 << b4;
    QTest::newRow("B6") << HelpPage::Books << 5 << b6;
    QTest::newRow("B8") << HelpPage::Books << 7 << b8;
    QTest::newRow("B12") << HelpPage::Books << 11 << b12;
    QTest::newRow("B13") << HelpPage::Books << 12 << b13;
    QTest::newRow("R6") << HelpPage::Registry << 5 << r6;
    QTest::newRow("S3") << HelpPage::Introduction << 27 << s3;
    QTest::newRow("S4") << HelpPage::Introduction << 28 << s4;
    QTest::newRow("X1") << HelpPage::RegistryExport << 0 << x1;
    QTest::newRow("X3 registry") << HelpPage::RegistryExport << 1 << x3;
    QTest::newRow("X4 registry") << HelpPage::RegistryExport << 2 << x4;
    QTest::newRow("X2") << HelpPage::BookExport << 0 << x2;
    QTest::newRow("X3 book") << HelpPage::BookExport << 1 << x3;
    QTest::newRow("X4 book") << HelpPage::BookExport << 2 << x4;
}

void TestHelpPages::wordForWordParagraphs()
{
    QFETCH(HelpPage, page);
    QFETCH(int, index);
    QFETCH(QString, text);

    const QStringList paragraphs = help::paragraphs(page);
    QVERIFY(index < paragraphs.size());
    QCOMPARE(paragraphs.at(index), text);
    QVERIFY(help::body(page).contains(text));
}

void TestHelpPages::introductionRepeatsBooksAndRegistry()
{
    const QStringList introduction = help::paragraphs(HelpPage::Introduction);
    const QStringList books = help::paragraphs(HelpPage::Books);
    const QStringList registry = help::paragraphs(HelpPage::Registry);

    QCOMPARE(introduction.mid(1, books.size()), books);
    QCOMPARE(introduction.mid(1 + books.size(), registry.size()), registry);
    QVERIFY(help::body(HelpPage::Introduction)
                .contains(help::body(HelpPage::Books) + "\r\n\r\n" + help::body(HelpPage::Registry)));

    // Each paragraph appears once in the introduction.
    QCOMPARE(QSet<QString>(introduction.begin(), introduction.end()).size(), introduction.size());
}

void TestHelpPages::buttonsNamedAsTheyAppear_data()
{
    addPageColumns();
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("books") << HelpPage::Books
                           << QStringList { "Nuovo", "Salva", "Duplica", "Trova", "Anteprima", "Stampa", "Slide Show",
                                  "Allega file", "Carica foto", "Applica e chiudi" };
    QTest::newRow("registry") << HelpPage::Registry
                              << QStringList { "Nuovo", "Salva", "Duplica", "Slide Show", "Allega file",
                                     "Carica foto" };
}

void TestHelpPages::buttonsNamedAsTheyAppear()
{
    QFETCH(HelpPage, page);
    QFETCH(QStringList, buttons);

    const QString body = help::body(page);
    for (const QString& button : buttons)
        QVERIFY2(body.contains(button, Qt::CaseSensitive), qPrintable(button));
}

void TestHelpPages::makerContacts()
{
    const QString web = QString::fromUtf16(maker::webAddress);
    const QString email = QString::fromUtf16(maker::emailAddress);
    QVERIFY(web.startsWith("https://") && web.endsWith(".example"));
    QVERIFY(email.contains(u'@') && email.endsWith(".example"));
    QCOMPARE(maker::informationMailCommand(),
        "\"mailto:" + email
            + "?subject=Software Lumidex&body=Salve, desidererei avere le seguenti informazioni sul software "
              "in "
              "oggetto:\"");
}

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"
