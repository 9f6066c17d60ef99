#include "support/ExportFixtures.h"

#include "export/ExportRecords.h"
#include "export/ExportTable.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/RecordView.h"
#include "support/TestHelpers.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

using namespace lumidex;
using namespace lumidex::test;
using namespace lumidex::test::exportfixture;

namespace {

QStringList rowOf(const ExportRecords& records, int row)
{
    QStringList texts;
    for (int column = 0; column < records.columnCount(); ++column)
        texts << records.data(records.index(row, column)).toString();
    return texts;
}

} // namespace

class TestExportRecords : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    int archives = 0;

    QString newPath() { return dir.filePath(QStringLiteral("archive%1").arg(++archives)); }

private slots:
    void columnsOfEachKind_data()
    {
        QTest::addColumn<bool>("registry");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QStringList>("editable");
        QTest::newRow("registry")
            << true
            << QStringList { "N.", "Nome", "Sesso", "Data di nascita", "Cittadinanza", "Luogo di nascita",
                   "Indirizzo di residenza", "Codice fiscale", "Estremi documento", "E-mail", "Tel.", "Cellulare",
                   "Titolo di studio", "Lingue conosciute", "Partita Iva", "IBAN", "Altezza", "Peso", "Vita", "Fianchi",
                   QStringLiteral("Occhi"), QStringLiteral("Capelli"), QStringLiteral("Taglia"),
                   QStringLiteral("Scarpe"), QString::fromUtf8("Disponibilità"), QStringLiteral("Note") }
            << QStringList { "colNum", "colNome", "colSesso", "colDataNasc", "colCittadinanza", "colLuogoNasc",
                   "colIndirizzo", "colCodFisc", "colEstremi", "colEmail", "colTel", "colCellulare", "colStudio",
                   "colLingue", "colPartitaIva", "colIban", "colAltezza", "colPeso", "colVita", "colFianchi",
                   QStringLiteral("colOcchi"), QStringLiteral("colCapelli"), QStringLiteral("colTaglia"),
                   QStringLiteral("colScarpe"), QStringLiteral("colDisponibilita"), QStringLiteral("colNote") }
            << registryGridWidths()
            << QStringList { "colCodFisc", "colEstremi", "colStudio", "colLingue", "colAltezza", "colPeso", "colVita",
                   QStringLiteral("colFianchi"), QStringLiteral("colOcchi"), QStringLiteral("colCapelli"),
                   QStringLiteral("colTaglia"), QStringLiteral("colScarpe"), QStringLiteral("colDisponibilita"),
                   QStringLiteral("colNote") };
        QTest::newRow("book") << false
                              << QStringList { "N.", "Titolo foto", "Descrizione", "Data scatto", "Location",
                                     "Fotografo", "Fotocamera", "Fotoritocco", "Abiti", "Accessori", "Trucco",
                                     QStringLiteral("Giudizio"), QStringLiteral("Note") }
                              << QStringList { "colNum", "colTitolo", "colDescrizione", "colData", "colLocation",
                                     "colFotografo", "colFotocamera", "colFotoritocco", "colAbiti", "colAccessori",
                                     QStringLiteral("colTrucco"), QStringLiteral("colGiudizio"),
                                     QStringLiteral("colNote") }
                              << bookGridWidths()
                              << QStringList { QStringLiteral("colFotoritocco"), QStringLiteral("colGiudizio"),
                                     QStringLiteral("colNote") };
    }
    void columnsOfEachKind()
    {
        QFETCH(bool, registry);
        QFETCH(QStringList, headers);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, widths);
        QFETCH(QStringList, editable);
        const ExportTable& table = registry ? exporttable::registry() : exporttable::book();
        ExportRecords records(table);
        QCOMPARE(records.columnCount(), headers.size());
        QStringList shownHeaders, shownNames, editableNames;
        QList<int> gridWidths;
        for (int column = 0; column < records.columnCount(); ++column) {
            shownHeaders << records.headerData(column, Qt::Horizontal).toString();
            shownNames << records.headerData(column, Qt::Horizontal, ExportRecords::columnNameRole).toString();
            gridWidths << table.columns[column].gridWidth;
            // Editable in every row alike, the empty rows of a new grid included.
            if (records.flags(records.index(9, column)) & Qt::ItemIsEditable)
                editableNames << shownNames.last();
        }
        QCOMPARE(shownHeaders, headers);
        QCOMPARE(shownNames, names);
        QCOMPARE(gridWidths, widths);
        QCOMPARE(editableNames, editable);
    }

    void fillsOneRowPerRecord_data()
    {
        QTest::addColumn<bool>("registry");
        QTest::newRow("registry") << true;
        QTest::newRow("book") << false;
    }
    void fillsOneRowPerRecord()
    {
        QFETCH(bool, registry);
        const ExportTable& table = registry ? exporttable::registry() : exporttable::book();
        const QString path = newPath();
        registry ? writeRegistry(path) : writeBook(path);
        const QList<QStringList> expected = registry ? registryGrid() : bookGrid();

        ExportRecords records(table);
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy reset(&records, &QAbstractItemModel::modelReset);
        QVERIFY(records.fill(Archive(path, table.layout)));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(records.rowCount(), expected.size());
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(rowOf(records, row), expected[row]);
    }

    void emptyArchiveLeavesTenEmptyRows()
    {
        // An absent archive is created empty by the reading, as every window does.
        const QString path = newPath();
        ExportRecords records(exporttable::registry());
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(records.fill(Archive(path, layouts::registry)));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(records.rowCount(), 10);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(rowOf(records, row), QStringList(26));
    }

    void editsStayInTheGrid()
    {
        const QString path = newPath();
        writeRegistry(path);
        const QByteArray stored = readBytes(path);
        ExportRecords records(exporttable::registry());
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(records.fill(Archive(path, layouts::registry)));

        QSignalSpy changed(&records, &QAbstractItemModel::dataChanged);
        const QModelIndex note = records.index(1, 25);
        QVERIFY(records.setData(note, QStringLiteral("Disponibile dal 3 maggio")));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), note);
        QCOMPARE(records.data(note).toString(), QStringLiteral("Disponibile dal 3 maggio"));
        QCOMPARE(records.data(note, Qt::EditRole).toString(), QStringLiteral("Disponibile dal 3 maggio"));
        QCOMPARE(records.exportedText(1, 24), QStringLiteral("Disponibile dal 3 maggio"));

        // Read-only columns, the row number among them, refuse an edit.
        QVERIFY(!records.setData(records.index(1, 1), QStringLiteral("Altro nome")));
        QVERIFY(!records.setData(records.index(1, 0), QStringLiteral("7")));
        QCOMPARE(records.data(records.index(1, 1)).toString(), QStringLiteral("Marco Rossi"));
        QCOMPARE(changed.size(), 1);

        QCOMPARE(readBytes(path), stored);
    }

    void unreadableArchiveKeepsTheEmptyGrid()
    {
        // A folder where the archive should be cannot be opened, not even by root.
        const QString path = newPath();
        QVERIFY(QDir().mkdir(path));
        ExportRecords records(exporttable::book());
        QVERIFY(!records.fill(Archive(path, layouts::book)));
        QVERIFY(!records.errorString().isEmpty());
        QVERIFY(records.failureCause().isKnown());
        QCOMPARE(records.rowCount(), 10);
        // A folder holds no number of cards that could be told.
        QVERIFY(records.readInPart());
        QCOMPARE(records.recordsRead(), qsizetype(0));
        QCOMPARE(records.cardsInArchive(), qsizetype(-1));
        QCOMPARE(rowOf(records, 0), QStringList(13));
    }

    void failureKeepsTheRowsReadBeforeIt()
    {
        ExportRecords records(exporttable::registry());
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const bool complete = records.fill([](const ExportRecords::Visitor& visit) {
            QStringList values(32);
            values[0] = QStringLiteral("Prima");
            visit(1, values);
            values[0] = QStringLiteral("Seconda");
            visit(2, values);
            throw ArchiveError(QStringLiteral("Short read"));
        });
        QVERIFY(!complete);
        QCOMPARE(records.errorString(), QStringLiteral("Short read"));
        QCOMPARE(records.rowCount(), 2);
        QCOMPARE(records.data(records.index(1, 0)).toString(), QStringLiteral("2"));
        QCOMPARE(records.data(records.index(1, 1)).toString(), QStringLiteral("Seconda"));
    }

    // What the export tells the user of a grid that holds only part of the
    // archive: how many cards were read, of how many, and why the rest were not.
    void aPartialReadKnowsWhatIsMissing_data()
    {
        QTest::addColumn<int>("read");
        QTest::addColumn<qsizetype>("held");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("inPart");
        QTest::addColumn<qsizetype>("total");
        QTest::newRow("every card") << 3 << qsizetype(3) << false << false << qsizetype(3);
        QTest::newRow("failed after two of five") << 2 << qsizetype(5) << true << true << qsizetype(5);
        QTest::newRow("failed before the first of three") << 0 << qsizetype(3) << true << true << qsizetype(3);
        // The file would not close after its last card: nothing is missing.
        QTest::newRow("failed after the last card") << 3 << qsizetype(3) << true << false << qsizetype(3);
        QTest::newRow("more cards than the file held before") << 4 << qsizetype(3) << true << true << qsizetype(-1);
        QTest::newRow("failed, with the total not known") << 2 << qsizetype(-1) << true << true << qsizetype(-1);
    }
    void aPartialReadKnowsWhatIsMissing()
    {
        QFETCH(int, read);
        QFETCH(qsizetype, held);
        QFETCH(bool, fails);
        QFETCH(bool, inPart);
        QFETCH(qsizetype, total);
        ExportRecords records(exporttable::registry());
        const bool complete = records.fill(
            [&](const ExportRecords::Visitor& visit) {
                for (int position = 1; position <= read; ++position) {
                    QStringList values(32);
                    values[0] = QStringLiteral("Carta %1").arg(position);
                    visit(position, values);
                }
                if (fails)
                    throw ArchiveError(QStringLiteral("Input/output error"), FailureCause::fromSystem(EIO));
            },
            held);
        QCOMPARE(complete, !fails);
        QCOMPARE(records.recordsRead(), qsizetype(read));
        QCOMPARE(records.rowCount(), read == 0 ? ExportRecords::emptyRows : read);
        QCOMPARE(records.readInPart(), inPart);
        QCOMPARE(records.cardsInArchive(), total);
        QCOMPARE(records.failureCause().systemError(), fails ? EIO : 0);
    }

    // Records read in runs side by side come out as one grid in file order; a
    // run that stopped short keeps the grid to the cards before the gap it left,
    // so every row is still numbered by its card's place.
    void runsMakeOneGridInOrder_data()
    {
        QTest::addColumn<QList<QList<int>>>("runs");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<int>("rows");
        QTest::newRow("two whole runs") << QList<QList<int>> { { 1, 2, 3 }, { 4, 5 } } << false << 5;
        QTest::newRow("the second run failed") << QList<QList<int>> { { 1, 2, 3 }, { 4 } } << true << 4;
        QTest::newRow("the first run failed midway") << QList<QList<int>> { { 1, 2 }, { 4, 5 } } << true << 2;
        QTest::newRow("the first run failed at once") << QList<QList<int>> { {}, { 4, 5 } } << true << 10;
    }
    void runsMakeOneGridInOrder()
    {
        QFETCH(QList<QList<int>>, runs);
        QFETCH(bool, fails);
        QFETCH(int, rows);
        ExportRecords records(exporttable::registry());
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const RecordSource source = [&](int parts, const RecordVisit& visit) {
            QVERIFY(parts >= 1);
            for (int part = runs.size() - 1; part >= 0; --part)
                for (const int position : runs[part]) {
                    QStringList values(layouts::registry.fieldCount());
                    values[0] = QStringLiteral("Carta %1").arg(position);
                    visit(qMin(part, parts - 1), position,
                        RecordView(layouts::registry, layouts::registry.encode(values)));
                }
            if (fails)
                throw ArchiveError(QStringLiteral("Short read"));
        };
        if (Archive::partsForThisComputer() < 2)
            QSKIP("this computer reads an archive in one run");
        QCOMPARE(records.fill(source, 0), !fails);
        QCOMPARE(records.rowCount(), rows);
        if (rows == ExportRecords::emptyRows)
            return;
        for (int row = 0; row < rows; ++row) {
            QCOMPARE(records.data(records.index(row, 0)).toString(), QString::number(row + 1));
            QCOMPARE(records.data(records.index(row, 1)).toString(), QStringLiteral("Carta %1").arg(row + 1));
        }
    }

    void textsAreTrimmed()
    {
        ExportRecords records(exporttable::book());
        QVERIFY(records.fill([](const ExportRecords::Visitor& visit) {
            QStringList values(18);
            values[0] = QStringLiteral(" \t Titolo \r\n");
            values[11] = QStringLiteral("\x01Nota\x1F");
            values[1] = QStringLiteral("   ");
            visit(1, values);
        }));
        QCOMPARE(records.data(records.index(0, 1)).toString(), QStringLiteral("Titolo"));
        QCOMPARE(records.data(records.index(0, 12)).toString(), QStringLiteral("Nota"));
        QCOMPARE(records.data(records.index(0, 2)).toString(), QString());
    }

    // A source may give characters the archives' code page lacks (an open book
    // typed in): each such cell keeps every character, in its own row and column,
    // beside cells that the code page holds.
    void textsTheCodePageLacksAreKeptWhole()
    {
        const QList<QStringList> typed {
            { QString::fromUtf8("Жанна"), QString::fromUtf8("Perché"), QString() },
            { QString::fromUtf8("Città"), QString::fromUtf8(" ok 😀 "), QStringLiteral("Œuvre") },
            { QString(), QStringLiteral("Nota"), QString::fromUtf8("Ştefănescu") },
        };
        const QList<int> fields { 0, 1, 11 };
        ExportRecords records(exporttable::book());
        QVERIFY(records.fill([&](const ExportRecords::Visitor& visit) {
            for (int row = 0; row < typed.size(); ++row) {
                QStringList values(18);
                for (int i = 0; i < fields.size(); ++i)
                    values[fields[i]] = typed[row][i];
                visit(row + 1, values);
            }
        }));
        const QList<int> columns { 1, 2, 12 };
        QCOMPARE(records.rowCount(), typed.size());
        for (int row = 0; row < typed.size(); ++row) {
            for (int i = 0; i < columns.size(); ++i) {
                const QString expected = typed[row][i].trimmed();
                QCOMPARE(records.data(records.index(row, columns[i])).toString(), expected);
                QCOMPARE(records.exportedText(row, columns[i] - 1), expected);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestExportRecords)
#include "tst_exportrecords.moc"
