#include "storage/Layouts.h"

#include <QTest>

using namespace lumidex;

// The file sizes are also fixed at compile time; these tests pin the positions of
// single fields, which a swapped pair of capacities would move.
static_assert(layouts::registry.fieldCount() == 32 && layouts::book.fieldCount() == 18);
static_assert(layouts::registryEditFields + layouts::attachmentFields == layouts::registry.fieldCount());
static_assert(layouts::bookEditFields + layouts::attachmentFields == layouts::book.fieldCount());

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void offsets_data();
    void offsets();
    void sizes();
    void encodeTakesValuesInFieldOrder();
    void decodeReadsEveryField();
};

namespace {

const RecordLayout& layoutNamed(const QString& name)
{
    return name == "registry" ? layouts::registry : layouts::book;
}

} // namespace

void TestLayouts::offsets_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");

    QTest::newRow("Nome") << "registry"
                          << "Nome" << 0 << 50;
    QTest::newRow("Sesso") << "registry"
                           << "Sesso" << 51 << 1;
    QTest::newRow("DataNasc") << "registry"
                              << "DataNasc" << 53 << 10;
    QTest::newRow("PartitaIva") << "registry"
                                << "PartitaIva" << 1140 << 11;
    QTest::newRow("Iban") << "registry"
                          << "Iban" << 1152 << 27;
    QTest::newRow("Altezza") << "registry"
                             << "Altezza" << 1180 << 50;
    QTest::newRow("Note (registry)") << "registry"
                                     << "Note" << 2090 << 250;
    QTest::newRow("File01 (registry)") << "registry"
                                       << "File01" << 2341 << 250;
    QTest::newRow("Desc03 (registry)") << "registry"
                                       << "Desc03" << 3596 << 250;
    QTest::newRow("Titolo") << "book"
                            << "Titolo" << 0 << 120;
    QTest::newRow("Descrizione") << "book"
                                 << "Descrizione" << 121 << 250;
    QTest::newRow("Data") << "book"
                          << "Data" << 372 << 10;
    QTest::newRow("Fotocamera") << "book"
                                << "Fotocamera" << 485 << 50;
    QTest::newRow("Note (book)") << "book"
                                 << "Note" << 1791 << 250;
    QTest::newRow("File01 (book)") << "book"
                                   << "File01" << 2042 << 250;
    QTest::newRow("Desc03 (book)") << "book"
                                   << "Desc03" << 3297 << 250;
}

void TestLayouts::offsets()
{
    QFETCH(QString, layout);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, capacity);

    const RecordLayout& l = layoutNamed(layout);
    const QByteArray name = field.toLatin1();
    const int index = l.indexOf(std::string_view(name.constData(), std::size_t(name.size())));
    QVERIFY(index >= 0);
    QCOMPARE(l.offset(index), offset);
    QCOMPARE(l.capacity(index), capacity);
}

void TestLayouts::sizes()
{
    QCOMPARE(layouts::registry.size(), 3847);
    QCOMPARE(layouts::book.size(), 3548);
    QCOMPARE(layouts::registry.indexOf("Nessuno"), -1);
    QCOMPARE(layouts::registry.encode({}).size(), 3847);
    QCOMPARE(layouts::book.encode({}).size(), 3548);
}

void TestLayouts::encodeTakesValuesInFieldOrder()
{
    const RecordLayout& l = layouts::book;
    QStringList values;
    for (int i = 0; i < l.fieldCount(); ++i)
        values << QString("v%1").arg(i);
    values << "ignored";

    const QByteArray bytes = l.encode(values);
    for (int i = 0; i < l.fieldCount(); ++i) {
        const QByteArray text = QString("v%1").arg(i).toLatin1();
        QCOMPARE(int(uchar(bytes[l.offset(i)])), text.size());
        QCOMPARE(bytes.mid(l.offset(i) + 1, text.size()), text);
    }
    // Missing values are empty fields.
    const QByteArray shortRecord = l.encode({ "only" });
    QCOMPARE(int(shortRecord[l.offset(1)]), 0);
    QCOMPARE(shortRecord.count('\0'), l.size() - 1 - 4);
}

void TestLayouts::decodeReadsEveryField()
{
    const RecordLayout& l = layouts::registry;
    QStringList values;
    for (int i = 0; i < l.fieldCount(); ++i)
        values << QString(l.capacity(i), QChar('a' + i % 26));
    values[1] = "F";
    values[6] = QString::fromUtf8("àèìòù");
    QCOMPARE(l.decode(l.encode(values)), values);
}

QTEST_GUILESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
