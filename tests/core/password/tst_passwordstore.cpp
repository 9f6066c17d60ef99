#include "password/PasswordStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;

class TestPasswordStore : public QObject {
    Q_OBJECT

private slots:
    void filePathIsInProgramFolder();
    void missingFileReadsEmpty();
    void handWrittenStore_data();
    void handWrittenStore();
    void unreadableStoreFails();
    void writeCreatesStore();
    void writeReplacesOnlyTheValue();
    void writeRefusesUnstorablePassword();
    void writeKeepsEveryOtherByte_data();
    void writeKeepsEveryOtherByte();
    void longPasswordRoundTrip();
    void failedWriteLeavesTheStoreReadable();
};

void TestPasswordStore::filePathIsInProgramFolder()
{
    QTemporaryDir dir;
    QCOMPARE(PasswordStore(dir.path()).filePath(), QDir(dir.path()).filePath(QStringLiteral("unins000.dll")));
}

void TestPasswordStore::missingFileReadsEmpty()
{
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    QCOMPARE(store.readValue(), std::optional<QString>(QString()));
    QCOMPARE(store.readPassword(), std::optional<QString>(QString()));
    QVERIFY(!QFile::exists(store.filePath()));
}

// Stores as an installation or a hand edit may leave them, Windows line ends included.
void TestPasswordStore::handWrittenStore_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("password");

    QTest::newRow("initial password") << QByteArray("[Accesso]\r\nValore=50872CC2277E8CF643D000DC3DF8\r\n") << true
                                      << "LUCERNAVIOLATA";
    QTest::newRow("lower-case digits") << QByteArray("[Accesso]\nValore=50872cc2277e8cf643d000dc3df8\n") << true
                                       << "LUCERNAVIOLATA";
    QTest::newRow("odd digit ignored") << QByteArray("[Accesso]\r\nValore=50872CC2277E8CF643D000DC3DF8A\r\n") << true
                                       << "LUCERNAVIOLATA";
    QTest::newRow("other sections around")
        << QByteArray("[Setup]\nLingua=it\n[Accesso]\nValore=5DAD\n[Fine]\n") << true << "AB";
    QTest::newRow("clear text trimmed") << QByteArray("[Accesso]\nValore=3C281C82\n") << true << "AB";
    QTest::newRow("missing section") << QByteArray("[Altro]\nValore=5DAD\n") << true << QString();
    QTest::newRow("missing key") << QByteArray("[Accesso]\nChiave=5DAD\n") << true << QString();
    QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << true << QString();
    QTest::newRow("empty file") << QByteArray() << true << QString();
    QTest::newRow("non-hex pair") << QByteArray("[Accesso]\nValore=50872CC2277E8CF643D000DC3DXY\n") << false
                                  << QString();
    QTest::newRow("comma in value") << QByteArray("[Accesso]\nValore=5D,AD\n") << false << QString();
    // As the desktop's INI readers take them.
    QTest::newRow("names in other cases") << QByteArray("[ACCESSO]\r\nvalore=5DAD\r\n") << true << "AB";
    QTest::newRow("blanks and quotes") << QByteArray("[ Accesso ]\n  Valore = \"5DAD\"  \n") << true << "AB";
    QTest::newRow("comments and a malformed line")
        << QByteArray("; Lumidex\n[Accesso]\n# nota\nriga senza uguale\n\\\\server\\x\nValore=5DAD\n") << true << "AB";
    QTest::newRow("first of two keys counts")
        << QByteArray("[Accesso]\nValore=5DAD\nValore=3C281C82FF\n") << true << "AB";
    QTest::newRow("first of two sections counts")
        << QByteArray("[Accesso]\nValore=5DAD\n[accesso]\nValore=50872CC2277E8CF643D000DC3DF8\n") << true << "AB";
    QTest::newRow("key outside its section") << QByteArray("Valore=5DAD\n[Accesso]\n") << true << QString();
    QTest::newRow("Windows-1252 bytes elsewhere")
        << QByteArray("[Setup]\nCitt\xE0=Forl\xEC\n[Accesso]\nValore=5DAD") << true << "AB";
}

void TestPasswordStore::handWrittenStore()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, readable);
    QFETCH(QString, password);

    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    test::writeBytes(store.filePath(), contents);

    const std::optional<QString> read = store.readPassword();
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, password);
    // The same file always gives the same answer.
    QCOMPARE(store.readPassword(), read);
    QCOMPARE(test::readBytes(store.filePath()), contents);
}

void TestPasswordStore::unreadableStoreFails()
{
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("unins000.dll")));

    QVERIFY(!store.readValue().has_value());
    QVERIFY(!store.readPassword().has_value());
    QVERIFY(!store.writeValue(QStringLiteral("5DAD")));
    QVERIFY(!store.writePassword(u"nuova"));
}

void TestPasswordStore::writeCreatesStore()
{
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    QVERIFY(store.writePassword(u"  Nuova Password \t"));

    const QByteArray written = test::readBytes(store.filePath());
    QVERIFY2(written.contains("[Accesso]"), written.constData());
    QVERIFY2(written.contains("Valore=5296756A8BF32F10E5515B2D6B4B"), written.constData());
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("NUOVA PASSWORD")));
}

void TestPasswordStore::writeReplacesOnlyTheValue()
{
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    test::writeBytes(store.filePath(), "[Setup]\r\nLingua=it\r\n[Accesso]\r\nValore=50872CC2277E8CF643D000DC3DF8\r\n");

    QVERIFY(store.writePassword(u"ab"));
    QCOMPARE(store.readValue(), std::optional<QString>(QStringLiteral("5DAD")));
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));
    QVERIFY(test::readBytes(store.filePath()).contains("Lingua=it"));
}

void TestPasswordStore::writeRefusesUnstorablePassword()
{
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    const QByteArray before("[Accesso]\nValore=5DAD\n");
    test::writeBytes(store.filePath(), before);

    QVERIFY(!store.writePassword(QString::fromUtf8("città€")));
    QCOMPARE(test::readBytes(store.filePath()), before);
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));
}

void TestPasswordStore::writeKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray head(
        "; Lumidex \xE8 pronto\r\n[Setup]\r\nPercorso=C:\\Programmi\\Lumidex\r\nZeta=1\r\nAlfa=2\r\n");
    QTest::newRow("value replaced, its spelling and line end kept")
        << head + "[accesso]\r\n  valore = 50872CC2277E8CF643D000DC3DF8\r\n[Fine]\r\n"
        << head + "[accesso]\r\n  valore = 5DAD\r\n[Fine]\r\n";
    QTest::newRow("key added at the end of its section") << QByteArray(
        "[Accesso]\nAltro=1\n[Fine]\nX=2\n") << QByteArray("[Accesso]\nAltro=1\nValore=5DAD\n[Fine]\nX=2\n");
    QTest::newRow("section added, in the file's line ends")
        << QByteArray("[Setup]\nLingua=it") << QByteArray("[Setup]\nLingua=it\n[Accesso]\nValore=5DAD\n");
}

void TestPasswordStore::writeKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    test::writeBytes(store.filePath(), before);
    QVERIFY(store.writePassword(u"ab"));
    QCOMPARE(test::readBytes(store.filePath()), after);
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));
}

void TestPasswordStore::longPasswordRoundTrip()
{
    QString typed;
    for (int i = 0; i < 300; ++i)
        typed.append(QChar(char16_t(u'a' + i % 26)));

    QTemporaryDir dir;
    const PasswordStore store(dir.path());
    QVERIFY(store.writePassword(typed));
    const std::optional<QString> value = store.readValue();
    QVERIFY(value.has_value());
    QCOMPARE(value->size(), 600);
    QCOMPARE(store.readPassword(), std::optional<QString>(typed.toUpper()));
}

void TestPasswordStore::failedWriteLeavesTheStoreReadable()
{
    // A folder whose path is so long that the store still fits but nothing longer
    // can be created beside it: the write fails even for root.
    QTemporaryDir dir;
    const QString storeName = QStringLiteral("/unins000.dll");
    QString deep = dir.path();
    while (deep.size() + storeName.size() < 4090 - 200)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    deep += QLatin1Char('/') + QString(4093 - deep.size() - storeName.size() - 1, QLatin1Char('e'));
    QVERIFY(QDir().mkpath(deep));
    const PasswordStore store(deep);
    const QByteArray before("[Accesso]\nValore=5DAD\n");
    test::writeBytes(store.filePath(), before);
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));

    QVERIFY(!store.writePassword(u"nuova"));
    QCOMPARE(test::readBytes(store.filePath()), before);
    // The next login still reads the store as it is.
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("AB")));
}

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "tst_passwordstore.moc"
