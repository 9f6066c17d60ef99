#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"

#include <QtTest>

using namespace lumidex;

class TestIdentityChecks : public QObject {
    Q_OBJECT

private slots:
    void codFisc_data();
    void codFisc();
    void codFiscCharacterValues_data();
    void codFiscCharacterValues();

    void partitaIva_data();
    void partitaIva();
    void ufficioIva_data();
    void ufficioIva();
    void ufficioIvaCoversExactlyTheAssignedCodes();

    void ibanResto97_data();
    void ibanResto97();
    void ibanValido_data();
    void ibanValido();
};

void TestIdentityChecks::codFisc_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<bool>("valid");

    QTest::newRow("published example") << "RSSMRA85T10A562S" << true;
    QTest::newRow("woman born in Rome") << "BNCLRA92E41H501P" << true;
    QTest::newRow("born in January") << "VRDGPP13A01B354G" << true;
    QTest::newRow("born in Milan") << "MRTMTT91D08F205J" << true;
    QTest::newRow("duplicate code, letter in a digit place") << "RSSMRA85T10A56NH" << true;
    QTest::newRow("duplicate code, every digit place a letter") << "RSSMRAURTMLARSNL" << true;
    QTest::newRow("duplicate code judged with the original's check character") << "RSSMRAURTMLARSNS" << false;
    QTest::newRow("structure is not examined") << "000000000000000I" << true;

    QTest::newRow("check character one off") << "RSSMRA85T10A562T" << false;
    QTest::newRow("check character of another code") << "BNCLRA92E41H501S" << false;
    QTest::newRow("digit in the check place") << "RSSMRA85T10A5620" << false;
    QTest::newRow("two characters swapped") << "RSSMRA58T10A562S" << false;
    QTest::newRow("lower case is not upper-cased here") << "rssmra85t10a562s" << false;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SS" << false;
    QTest::newRow("empty") << "" << false;

    // Characters with no table value add nothing and leave the check character
    // to decide, whichever position they take.
    QTest::newRow("blank at an even position") << "RSSMRA85T10A5 2M" << true;
    QTest::newRow("hyphen at an even position") << "RSSMRA85T10A5-2M" << true;
    QTest::newRow("accented letter at an even position") << QStringLiteral("RSSMRA85T10A5È2M") << true;
    QTest::newRow("lower-case letter at an even position") << "RSSMRA85T10A5m2M" << true;
    QTest::newRow("blank at an odd position") << " SSMRA85T10A562K" << true;
    QTest::newRow("character between 9 and A counts 0") << "RSS?RA85T10A562G" << true;
    QTest::newRow("blank, wrong check character") << "RSSMRA85T10A5 2S" << false;
}

void TestIdentityChecks::codFisc()
{
    QFETCH(QString, codice);
    QFETCH(bool, valid);
    QCOMPARE(CodFiscValido(codice), valid);
}

// Each character "0" to "Z" placed once at an odd and once at an even position of
// an otherwise all-zero code; the expected check characters were worked out by
// hand from the Ministry of Finance's conversion tables.
void TestIdentityChecks::codFiscCharacterValues_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<QChar>("checkWhenOdd");
    QTest::addColumn<QChar>("checkWhenEven");

    const QString characters = QStringLiteral("0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QString whenOdd = QStringLiteral("IHMOQUWYACHHHHHHHIHMOQUWYACJLZBSKNPTVXRDGFE");
    const QString whenEven = QStringLiteral("IJKLMNOPQRIIIIIIIIJKLMNOPQRSTUVWXYZABCDEFGH");
    QCOMPARE(characters.size(), 43);
    for (int i = 0; i < characters.size(); ++i) {
        QTest::newRow(qPrintable(QStringLiteral("character %1").arg(characters[i])))
            << characters[i] << whenOdd[i] << whenEven[i];
    }
}

void TestIdentityChecks::codFiscCharacterValues()
{
    QFETCH(QChar, character);
    QFETCH(QChar, checkWhenOdd);
    QFETCH(QChar, checkWhenEven);

    const QString odd = character + QString(14, u'0');
    const QString even = u'0' + QString(character) + QString(13, u'0');
    QVERIFY(CodFiscValido(odd + checkWhenOdd));
    QVERIFY(CodFiscValido(even + checkWhenEven));
    QVERIFY(!CodFiscValido(odd + QChar(checkWhenOdd == u'A' ? u'B' : u'A')));
}

void TestIdentityChecks::partitaIva_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("valid");

    QTest::newRow("all zeros") << "00000000000" << true;
    QTest::newRow("office 101") << "12345671015" << true;
    QTest::newRow("office 096") << "01234560967" << true;
    QTest::newRow("office 120") << "07654321202" << true;
    QTest::newRow("doubled digits above 9") << "98765431212" << true;
    QTest::newRow("office without a row") << "11223341030" << true;
    QTest::newRow("check digit 3") << "55555550403" << true;

    QTest::newRow("check digit one off") << "12345671016" << false;
    QTest::newRow("check digit of zeros but a one inside") << "00000000010" << false;
    QTest::newRow("two digits swapped") << "21345671015" << false;
    QTest::newRow("letter in the check place") << "1234567101A" << false;
    QTest::newRow("letter O for zero") << "O0000000000" << false;
    QTest::newRow("blank inside") << "1234567 015" << false;
    QTest::newRow("10 digits") << "1234567101" << false;
    QTest::newRow("12 digits") << "123456710150" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("non-ASCII digits") << QStringLiteral("٠٠٠٠٠٠٠٠٠٠٠") << false;
}

void TestIdentityChecks::partitaIva()
{
    QFETCH(QString, numero);
    QFETCH(bool, valid);
    QCOMPARE(PartitaIvaValida(numero), valid);
}

void TestIdentityChecks::ufficioIva_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QString>("ufficio");

    QTest::newRow("first") << "001"
                           << "Torino";
    QTest::newRow("accented name") << "040" << QStringLiteral("Forlì");
    QTest::newRow("two words") << "044"
                               << "Ascoli Piceno";
    QTest::newRow("first of two offices") << "058"
                                          << "Roma 1";
    QTest::newRow("second of two offices") << "100"
                                           << "Roma 2";
    QTest::newRow("Monza") << "096"
                           << "Monza (Milano 2)";
    QTest::newRow("Prato") << "097"
                           << "Prato (Firenze 2)";
    QTest::newRow("Chiavari") << "099"
                              << "Chiavari (Genova 2)";
    QTest::newRow("101") << "101"
                         << "Bologna 2";
    QTest::newRow("last of the sequence") << "102"
                                          << "Napoli 2";
    QTest::newRow("120") << "120"
                         << "Bologna 2";
    QTest::newRow("121") << "121"
                         << "Napoli 2";

    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("119") << "119"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
    QTest::newRow("without leading zeros") << "1"
                                           << "";
    QTest::newRow("four digits") << "0001"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestIdentityChecks::ufficioIva()
{
    QFETCH(QString, codice);
    QFETCH(QString, ufficio);
    QCOMPARE(UfficioIva(codice), ufficio);
}

void TestIdentityChecks::ufficioIvaCoversExactlyTheAssignedCodes()
{
    QStringList missing;
    QStringList unexpected;
    for (int code = 0; code <= 999; ++code) {
        const QString text = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
        const bool assigned = (code >= 1 && code <= 102) || code == 120 || code == 121;
        const QString name = UfficioIva(text);
        if (assigned && name.isEmpty())
            missing << text;
        if (!assigned && !name.isEmpty())
            unexpected << text;
        QCOMPARE(name, name.trimmed());
    }
    QCOMPARE(missing, QStringList());
    QCOMPARE(unexpected, QStringList());
}

void TestIdentityChecks::ibanResto97_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<int>("resto");

    QTest::newRow("valid Italian") << "IT60X0542811101000000123456" << 1;
    QTest::newRow("check digits one off") << "IT61X0542811101000000123456" << 2;
    QTest::newRow("last digits swapped") << "IT60X0542811101000000123465" << 50;
    QTest::newRow("check digits 00") << "IT00A000000000000000000000" << 51;
    QTest::newRow("letters inside the account") << "GB82WEST12345698765432" << 1;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << 1;
    QTest::newRow("prefix IBAN dropped") << "IBANIT60X0542811101000000123456" << 1;
    QTest::newRow("lower-case prefix dropped") << "ibanIT60X0542811101000000123456" << 1;
    QTest::newRow("only the first IBAN dropped") << "IBANIBAN" << 56;
    QTest::newRow("all zeros") << "0000000000000000000000" << 0;
    // A remainder of 0 leaves a one-digit carry, so the next piece has 8 digits.
    QTest::newRow("remainder 0 inside") << "AAAA000000097" << 12;
    QTest::newRow("short") << "1234" << 70;
    QTest::newRow("shorter than four") << "12" << 12;
    QTest::newRow("one piece") << "ZZ99" << 34;
    QTest::newRow("empty") << "" << 0;

    QTest::newRow("blank is not a digit") << "IT60 X0542811101000000123456" << 0;
    QTest::newRow("accented letter") << QStringLiteral("IT60È0542811101000000123456") << 0;
    QTest::newRow("minus sign at the start of a piece") << "IT60-0542811101000000123456" << 0;
    QTest::newRow("plus sign") << "0000+1234" << 0;
    QTest::newRow("punctuation") << "IT60X0542811101000000.23456" << 0;
}

void TestIdentityChecks::ibanResto97()
{
    QFETCH(QString, iban);
    QFETCH(int, resto);
    QCOMPARE(IbanResto97(iban), resto);
}

void TestIdentityChecks::ibanValido_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<bool>("valid");

    QTest::newRow("Italian") << "IT60X0542811101000000123456" << true;
    QTest::newRow("another Italian") << "IT69A0306909606100000063119" << true;
    QTest::newRow("third Italian") << "IT38Q0760103200000012345678" << true;
    QTest::newRow("German") << "DE89370400440532013000" << true;
    QTest::newRow("written in groups") << "IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("blanks at the ends") << "  IT60X0542811101000000123456 " << true;
    QTest::newRow("prefix and blank") << "IBAN DE89370400440532013000" << true;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << true;

    QTest::newRow("check digits one off") << "IT61X0542811101000000123456" << false;
    QTest::newRow("national check letter changed") << "IT60Y0542811101000000123456" << false;
    QTest::newRow("digits swapped") << "IT60X0542811101000000123465" << false;
    QTest::newRow("tab is not a blank") << "IT60X0542811101000000\t123456" << false;
    QTest::newRow("accented letter") << QStringLiteral("IT60X0542811101000000123È56") << false;
    QTest::newRow("hyphens") << "IT60-X054-2811-1010-0000-0123-456" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "     " << false;
}

void TestIdentityChecks::ibanValido()
{
    QFETCH(QString, iban);
    QFETCH(bool, valid);
    QCOMPARE(IbanValido(iban), valid);
}

QTEST_GUILESS_MAIN(TestIdentityChecks)
#include "tst_identitychecks.moc"
