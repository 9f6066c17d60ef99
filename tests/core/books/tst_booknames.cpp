#include "books/BookNames.h"

#include <QtTest>

using namespace lumidex;

class TestBookNames : public QObject {
    Q_OBJECT

private slots:
    void namesThatCanBecomeABookFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("plain") << "Estate 2024" << true;
        QTest::newRow("accents and apostrophe") << "Sfilata d'autunno è già" << true;
        QTest::newRow("dots") << "..." << true;
        QTest::newRow("parent folder") << "../fuga" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("colon") << "C:book" << false;
        QTest::newRow("pipe passes the keys but not the name") << "a|b" << false;
        QTest::newRow("quote") << "\"x\"" << false;
        QTest::newRow("degree") << "n°1" << false;
        QTest::newRow("cedilla") << "Françoise" << false;
        QTest::newRow("tilde n") << "España" << false;
        QTest::newRow("capital tilde n") << "ESPAÑA" << false;
        QTest::newRow("tab inside") << "a\tb" << false;
        QTest::newRow("line feed inside") << "a\nb" << false;
        QTest::newRow("delete character") << QStringLiteral("a\u007Fb") << false;
    }
    void namesThatCanBecomeABookFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, acceptable);
        QCOMPARE(booknames::isAcceptable(name), acceptable);
    }

    void theKeyFilterLetsThePipeThrough()
    {
        for (const QChar c : QStringLiteral("\"*/:<>?\\°ÇÑçñ"))
            QVERIFY2(booknames::isFilteredKey(c), qPrintable(QString(c)));
        for (const QChar c : QStringLiteral("|aZ09 .-_'èé"))
            QVERIFY2(!booknames::isFilteredKey(c), qPrintable(QString(c)));
    }

    void aBookFileNamesItsBook()
    {
        QCOMPARE(booknames::bookNameOf(QStringLiteral("Estate 2024.wmn")), QStringLiteral("Estate 2024"));
        QCOMPARE(booknames::bookNameOf(QStringLiteral("a.b.men")), QStringLiteral("a.b"));
    }
};

QTEST_GUILESS_MAIN(TestBookNames)
#include "tst_booknames.moc"
