#include "help/HelpPages.h"
#include "support/HelpTexts.h"
#include "support/TestMetaTypes.h"
#include "texts/MakerContacts.h"

#include <QSet>
#include <QTest>

using namespace lumidex;

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void bodyIsParagraphsJoinedByEmptyLines_data();
    void bodyIsParagraphsJoinedByEmptyLines();
    void wordForWordParagraphs_data();
    void wordForWordParagraphs();
    void wholePagesAsWritten_data();
    void wholePagesAsWritten();
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

    const auto row = [](const char* mark, HelpPage page, int index) {
        QTest::newRow(mark) << page << index << test::helptexts::paragraph(QString::fromLatin1(mark));
    };
    row("B2", HelpPage::Books, 1);
    row("B4", HelpPage::Books, 3);
    row("B6", HelpPage::Books, 5);
    row("B8", HelpPage::Books, 7);
    row("B12", HelpPage::Books, 11);
    row("B13", HelpPage::Books, 12);
    row("R6", HelpPage::Registry, 5);
    row("S3", HelpPage::Introduction, 27);
    row("S4", HelpPage::Introduction, 28);
    row("X1", HelpPage::RegistryExport, 0);
    QTest::newRow("X3 registry") << HelpPage::RegistryExport << 1 << test::helptexts::paragraph(QStringLiteral("X3"));
    QTest::newRow("X4 registry") << HelpPage::RegistryExport << 2 << test::helptexts::paragraph(QStringLiteral("X4"));
    row("X2", HelpPage::BookExport, 0);
    QTest::newRow("X3 book") << HelpPage::BookExport << 1 << test::helptexts::paragraph(QStringLiteral("X3"));
    QTest::newRow("X4 book") << HelpPage::BookExport << 2 << test::helptexts::paragraph(QStringLiteral("X4"));
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

void TestHelpPages::wholePagesAsWritten_data()
{
    addPageColumns();
    for (const HelpPage page : test::helptexts::allPages())
        QTest::newRow(qPrintable(test::helptexts::title(page))) << page;
}

// Every page, title and paragraphs, word for word and in the order of the manual.
void TestHelpPages::wholePagesAsWritten()
{
    QFETCH(HelpPage, page);
    QCOMPARE(help::allPages(), test::helptexts::allPages());
    QCOMPARE(help::title(page), test::helptexts::title(page));
    QCOMPARE(help::paragraphs(page), test::helptexts::paragraphs(page));
}

void TestHelpPages::introductionRepeatsBooksAndRegistry()
{
    const QStringList introduction = help::paragraphs(HelpPage::Introduction);
    const QStringList books = help::paragraphs(HelpPage::Books);
    const QStringList registry = help::paragraphs(HelpPage::Registry);

    QCOMPARE(introduction.mid(1, books.size()), books);
    QCOMPARE(introduction.mid(1 + books.size(), registry.size()), registry);
    QVERIFY(help::body(HelpPage::Introduction)
                .contains(help::body(HelpPage::Books) + QStringLiteral("\r\n\r\n") + help::body(HelpPage::Registry)));

    // Each paragraph appears once in the introduction.
    QCOMPARE(QSet<QString>(introduction.begin(), introduction.end()).size(), introduction.size());
}

void TestHelpPages::buttonsNamedAsTheyAppear_data()
{
    addPageColumns();
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("books") << HelpPage::Books
                           << QStringList { "Nuovo", "Salva", "Duplica", "Trova", "Anteprima", "Stampa", "Slide Show",
                                  QStringLiteral("Allega file"), QStringLiteral("Carica foto"),
                                  QStringLiteral("Applica e chiudi") };
    QTest::newRow("registry") << HelpPage::Registry
                              << QStringList { "Nuovo", "Salva", "Duplica", "Slide Show", "Allega file",
                                     QStringLiteral("Carica foto") };
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
    QVERIFY(web.startsWith(QStringLiteral("https://")) && web.endsWith(QStringLiteral(".example")));
    QVERIFY(email.contains(u'@') && email.endsWith(QStringLiteral(".example")));
    QCOMPARE(maker::webUrl(), QUrl(web));
    // The mail program reads the subject and the first line as they are written here.
    QCOMPARE(maker::informationMailUrl(),
        QUrl(QStringLiteral("mailto:info@lumidex.example?subject=Software Lumidex&body=Salve, desidererei avere le "
                            "seguenti informazioni sul software in oggetto:")));
}

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"
