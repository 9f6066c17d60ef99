#include "password/Scrambler.h"

#include <QRegularExpression>
#include <QTest>

using namespace lumidex;

class TestScrambler : public QObject {
    Q_OBJECT

private slots:
    void scramble_data();
    void scramble();
    void unscramble_data();
    void unscramble();
    void roundTripOfLongPassword();
};

// Expected values worked out apart from the program, one key step at a time.
void TestScrambler::scramble_data()
{
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one letter") << "A"
                                << "5D";
    QTest::newRow("key advances") << "AB"
                                  << "5DAD";
    QTest::newRow("inner space") << "A B"
                                 << "5DCF5B";
    QTest::newRow("word") << "PASSWORD"
                          << "4CB1E4BB3CA1784A";
    QTest::newRow("initial password") << "LUCERNAVIOLATA"
                                      << "50872CC2277E8CF643D000DC3DF8";
    QTest::newRow("latin-1 letters") << QString::fromUtf8("ÀÈ ÿ") << "DC6532D4";
    QTest::newRow("control characters") << QString(QChar(0)) + QChar(1) << "1C5D";
    // Only the low byte of a code survives: U+0100 scrambles like U+0000.
    QTest::newRow("code above 255") << QString::fromUtf8("ĀA") << "1C1D";
}

void TestScrambler::scramble()
{
    QFETCH(QString, clear);
    QFETCH(QString, scrambled);
    QCOMPARE(scrambler::scramble(clear), scrambled);
}

void TestScrambler::unscramble_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("clear");

    QTest::newRow("empty") << QString() << true << QString();
    QTest::newRow("upper case") << "50872CC2277E8CF643D000DC3DF8" << true << "LUCERNAVIOLATA";
    QTest::newRow("lower case") << "50872cc2277e8cf643d000dc3df8" << true << "LUCERNAVIOLATA";
    QTest::newRow("mixed case") << "50872cC2277E8cf643D000dc3DF8" << true << "LUCERNAVIOLATA";
    QTest::newRow("odd digit ignored") << "5DAD7" << true << "AB";
    QTest::newRow("single digit") << "5" << true << QString();
    QTest::newRow("odd non-digit ignored") << "5DADZ" << true << "AB";
    QTest::newRow("latin-1 back") << "DC6532D4" << true << QString::fromUtf8("ÀÈ ÿ");
    QTest::newRow("bad last pair") << "5DADZZ" << false << QString();
    QTest::newRow("bad first pair") << "G05D" << false << QString();
    QTest::newRow("half-bad pair") << QStringLiteral("5DA") + QString(QChar(u'g')) + QStringLiteral("5D") << false
                                   << QString();
    QTest::newRow("leading space") << " 5DA" << false << QString();
    QTest::newRow("sign") << "+5" << false << QString();
    QTest::newRow("hex prefix") << "0x5D" << false << QString();
    QTest::newRow("full-width digits") << QString::fromUtf8("５Ｄ") << false << QString();
}

void TestScrambler::unscramble()
{
    QFETCH(QString, hex);
    QFETCH(bool, readable);
    QFETCH(QString, clear);

    const std::optional<QString> result = scrambler::unscramble(hex);
    QCOMPARE(result.has_value(), readable);
    if (readable)
        QCOMPARE(*result, clear);
}

void TestScrambler::roundTripOfLongPassword()
{
    QString password;
    for (int i = 0; i < 300; ++i)
        password.append(QChar(char16_t(1 + (i * 37) % 255)));

    const QString scrambled = scrambler::scramble(password);
    QCOMPARE(scrambled.size(), 600);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(scrambled).hasMatch());

    const std::optional<QString> back = scrambler::unscramble(scrambled);
    QVERIFY(back.has_value());
    QCOMPARE(*back, password);
    QCOMPARE(*scrambler::unscramble(scrambled.toLower()), password);
}

QTEST_GUILESS_MAIN(TestScrambler)
#include "tst_scrambler.moc"
