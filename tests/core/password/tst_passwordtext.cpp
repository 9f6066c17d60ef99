#include "password/PasswordText.h"

#include "common/Text.h"

#include <QTest>

using namespace lumidex;

class TestPasswordText : public QObject {
    Q_OBJECT

private slots:
    void normalised_data();
    void normalised();
    void trimmedKeepsCodesAbove32();
    void storable_data();
    void storable();
};

void TestPasswordText::normalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");

    QTest::newRow("lower case") << "lucernaviolata"
                                << "LUCERNAVIOLATA";
    QTest::newRow("mixed case and spaces") << "  LucernaViolata \t"
                                           << "LUCERNAVIOLATA";
    QTest::newRow("control characters at the ends")
        << QString(QChar(0)) + QStringLiteral("\r\n x ") + QChar(31) << QStringLiteral("X");
    QTest::newRow("inner spaces kept") << " a  b "
                                       << "A  B";
    QTest::newRow("only a to z change") << QString::fromUtf8("àèì straße 9!") << QString::fromUtf8("àèì STRAßE 9!");
    QTest::newRow("only blanks") << " \t\r\n" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestPasswordText::normalised()
{
    QFETCH(QString, typed);
    QFETCH(QString, password);
    QCOMPARE(passwordtext::normalised(typed), password);
}

void TestPasswordText::trimmedKeepsCodesAbove32()
{
    const QString ends = QString(QChar(0x7F)) + QStringLiteral("x") + QChar(0xA0);
    QCOMPARE(text::trimmed(QString(QChar(32)) + ends + QChar(1)), ends);
}

void TestPasswordText::storable_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("storable");

    QTest::newRow("letters") << "LUCERNAVIOLATA" << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("latin-1 up to 255") << QString::fromUtf8("ÀÈÌÒÙ ÿ") << true;
    QTest::newRow("code 256") << QString::fromUtf8("ABCĀ") << false;
    QTest::newRow("euro sign") << QString::fromUtf8("PREZZO€") << false;
    QTest::newRow("outside the basic plane") << QString::fromUtf8("CIAO😀") << false;
}

void TestPasswordText::storable()
{
    QFETCH(QString, password);
    QFETCH(bool, storable);
    QCOMPARE(passwordtext::isStorable(password), storable);
}

QTEST_GUILESS_MAIN(TestPasswordText)
#include "tst_passwordtext.moc"
