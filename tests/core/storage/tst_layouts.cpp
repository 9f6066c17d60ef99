#include "storage/Layouts.h"
#include "support/TestRecords.h"

#include <QTest>

using namespace lumidex;

// The file sizes are also fixed at compile time; these tests pin the position and
// the size of every field, which a swapped pair of capacities would move.
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
    return name == QStringLiteral("registry") ? layouts::registry : layouts::book;
}

} // namespace

void TestLayouts::offsets_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");

    const auto addRows = [](const char* layout, const QList<test::FieldShape>& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const test::FieldShape& f = fields.at(i);
            QTest::addRow("%s %s", layout, f.name)
                << QString::fromLatin1(layout) << int(i) << QString::fromLatin1(f.name) << f.offset << f.capacity;
        }
    };
    addRows("registry", test::registryRecordFields());
    addRows("book", test::bookRecordFields());
}

void TestLayouts::offsets()
{
    QFETCH(QString, layout);
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, capacity);

    const RecordLayout& l = layoutNamed(layout);
    const QByteArray name = field.toLatin1();
    QCOMPARE(l.indexOf(std::string_view(name.constData(), std::size_t(name.size()))), index);
    QCOMPARE(l.offset(index), offset);
    QCOMPARE(l.capacity(index), capacity);
}

void TestLayouts::sizes()
{
    QCOMPARE(layouts::registry.size(), test::registryRecordSize);
    QCOMPARE(layouts::book.size(), test::bookRecordSize);
    QCOMPARE(layouts::registry.fieldCount(), int(test::registryRecordFields().size()));
    QCOMPARE(layouts::book.fieldCount(), int(test::bookRecordFields().size()));
    QCOMPARE(layouts::registry.indexOf("Nessuno"), -1);
    QCOMPARE(layouts::registry.encode({}).size(), 3847);
    QCOMPARE(layouts::book.encode({}).size(), 3548);
}

void TestLayouts::encodeTakesValuesInFieldOrder()
{
    const RecordLayout& l = layouts::book;
    const QList<test::FieldShape>& fields = test::bookRecordFields();
    QStringList values;
    for (qsizetype i = 0; i < fields.size(); ++i)
        values << QStringLiteral("v%1").arg(i);
    values << QStringLiteral("ignored");

    const QByteArray bytes = l.encode(values);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QByteArray text = QStringLiteral("v%1").arg(i).toLatin1();
        QCOMPARE(int(uchar(bytes[fields.at(i).offset])), text.size());
        QCOMPARE(bytes.mid(fields.at(i).offset + 1, text.size()), text);
    }
    // Missing values are empty fields.
    const QByteArray shortRecord = l.encode({ QStringLiteral("only") });
    QCOMPARE(int(shortRecord[fields.at(1).offset]), 0);
    QCOMPARE(shortRecord.count('\0'), test::bookRecordSize - 1 - 4);
}

void TestLayouts::decodeReadsEveryField()
{
    const RecordLayout& l = layouts::registry;
    const QList<test::FieldShape>& fields = test::registryRecordFields();
    QStringList values;
    for (qsizetype i = 0; i < fields.size(); ++i)
        values << QString(fields.at(i).capacity, QChar(char16_t(u'a' + i % 26)));
    values[1] = QStringLiteral("F");
    values[6] = QString::fromUtf8("àèìòù");
    QCOMPARE(l.decode(l.encode(values)), values);
}

QTEST_GUILESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
