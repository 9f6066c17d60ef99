#include "storage/TextField.h"

#include <QTest>

using namespace lumidex;

class TestTextField : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void codePage_data();
    void codePage();
    void everyByteRoundTrips();
};

namespace {

// Field bytes as they lie in a file: length byte, text, zero tail.
QByteArray field(int capacity, const QByteArray& text)
{
    QByteArray bytes(capacity + 1, '\0');
    bytes[0] = char(text.size());
    bytes.replace(1, text.size(), text);
    return bytes;
}

} // namespace

void TestTextField::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << "Mario Rossi" << 50 << field(50, "Mario Rossi");
    QTest::newRow("empty") << "" << 10 << field(10, "");
    QTest::newRow("spaces trimmed, inner kept") << "  Via Roma  1 " << 20 << field(20, "Via Roma  1");
    QTest::newRow("controls trimmed") << QStringLiteral("\t\r\n\x01x y\x7f\x1f\r\n") << 10
                                      << field(10, QByteArray("x y\x7f"));
    QTest::newRow("all spaces become empty") << "     " << 5 << field(5, "");
    QTest::newRow("cut to capacity") << "ABCDEFGHIJKL" << 10 << field(10, "ABCDEFGHIJ");
    QTest::newRow("trimmed before the cut") << "   ABCDEFGHIJKL" << 10 << field(10, "ABCDEFGHIJ");
    QTest::newRow("cut after conversion") << QString::fromUtf8("€€€€") << 3 << field(3, "\x80\x80\x80");
    QTest::newRow("capacity one") << "m" << 1 << field(1, "m");
    QTest::newRow("Italian letters") << QString::fromUtf8("Città è però") << 50 << field(50, "Citt\xe0 \xe8 per\xf2");
    QTest::newRow("euro, degree, Ñ") << QString::fromUtf8("5 € a 20° Ñ") << 50 << field(50, "5 \x80 a 20\xb0 \xd1");
    QTest::newRow("Cyrillic") << QString::fromUtf8("Иван") << 50 << field(50, "????");
    QTest::newRow("emoji is one character") << QString::fromUtf8("a😀b") << 50 << field(50, "a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << 50 << field(50, "?x");
    QTest::newRow("full capacity 250") << QString(300, QLatin1Char('z')) << 250 << field(250, QByteArray(250, 'z'));
}

void TestTextField::encode()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, expected);

    // The bytes around the field must stay untouched.
    QByteArray out(capacity + 3, '\xAA');
    textfield::encode(text, capacity, out.data() + 1);
    QCOMPARE(out.front(), '\xAA');
    QCOMPARE(out.back(), '\xAA');
    QCOMPARE(out.mid(1, capacity + 1), expected);
}

void TestTextField::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << field(10, "Anna") << 10 << "Anna";
    QTest::newRow("empty") << field(10, "") << 10 << "";
    QTest::newRow("tail bytes ignored") << QByteArray("\x03"
                                                      "abcdefg",
        8) << 7 << "abc";
    QTest::newRow("trimmed on reading") << field(10, " \tab \x01") << 10 << "ab";
    QTest::newRow("length beyond capacity clamps") << QByteArray("\xff"
                                                                 "abcdef",
        7) << 6 << "abcdef";
    QTest::newRow("clamped then trimmed") << QByteArray("\xc8"
                                                        "ab   ",
        6) << 5 << "ab";
    QTest::newRow("Windows-1252") << field(20, "\x80 \xe0 \xd1 \xb0 \x9c") << 20 << QString::fromUtf8("€ à Ñ ° œ");
    QTest::newRow("unassigned byte as control") << field(3, "a\x81") << 3 << QStringLiteral("a") + QChar(0x81);
}

void TestTextField::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, capacity);
    QFETCH(QString, expected);

    QCOMPARE(textfield::decode(bytes.constData(), capacity), expected);
}

void TestTextField::codePage_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");

    // Every assigned byte of 0x80..0x9F, then a few of the Latin-1 range.
    const std::pair<int, int> table[] = {
        { 0x80, 0x20AC },
        { 0x82, 0x201A },
        { 0x83, 0x0192 },
        { 0x84, 0x201E },
        { 0x85, 0x2026 },
        { 0x86, 0x2020 },
        { 0x87, 0x2021 },
        { 0x88, 0x02C6 },
        { 0x89, 0x2030 },
        { 0x8A, 0x0160 },
        { 0x8B, 0x2039 },
        { 0x8C, 0x0152 },
        { 0x8E, 0x017D },
        { 0x91, 0x2018 },
        { 0x92, 0x2019 },
        { 0x93, 0x201C },
        { 0x94, 0x201D },
        { 0x95, 0x2022 },
        { 0x96, 0x2013 },
        { 0x97, 0x2014 },
        { 0x98, 0x02DC },
        { 0x99, 0x2122 },
        { 0x9A, 0x0161 },
        { 0x9B, 0x203A },
        { 0x9C, 0x0153 },
        { 0x9E, 0x017E },
        { 0x9F, 0x0178 },
        { 0x41, 0x41 },
        { 0xA0, 0xA0 },
        { 0xC0, 0xC0 },
        { 0xFF, 0xFF },
    };
    for (const auto& [byte, unicode] : table)
        QTest::addRow("0x%02X", byte) << byte << unicode;
}

void TestTextField::codePage()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);

    const QString text { QChar(char16_t(unicode)) };
    QCOMPARE(textfield::fromWindows1252(QByteArray(1, char(byte))), text);
    QCOMPARE(textfield::toWindows1252(text), QByteArray(1, char(byte)));
}

void TestTextField::everyByteRoundTrips()
{
    // A record read and saved again unchanged must keep its bytes.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(textfield::toWindows1252(textfield::fromWindows1252(all)), all);
    // The C1 controls that 0x80..0x9F hold as letters have no byte of their own.
    QCOMPARE(textfield::toWindows1252(QString(QChar(0x80))), QByteArray("?"));
    QCOMPARE(textfield::toWindows1252(QString(QChar(0x9C))), QByteArray("?"));
}

QTEST_GUILESS_MAIN(TestTextField)
#include "tst_textfield.moc"
