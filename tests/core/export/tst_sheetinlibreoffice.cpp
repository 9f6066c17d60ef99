// What a spreadsheet program makes of an exported file: LibreOffice opens it
// headless and saves it as CSV in UTF-8, and every cell must read exactly as it
// was exported: no leading zero lost, no number, date or formula made of a text.
#include "export/ExportDocument.h"
#include "export/ExportRecords.h"
#include "export/ExportTable.h"
#include "export/SheetText.h"
#include "support/RequiredTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;

namespace {

// Texts a spreadsheet program likes to turn into something else, and texts the
// export writes as character references or entities.
const QStringList typedTexts {
    QStringLiteral("01234567897"),
    QStringLiteral("00184"),
    QStringLiteral("0612345678"),
    QStringLiteral("1e5"),
    QStringLiteral("=1+1"),
    QStringLiteral("=A1"),
    QStringLiteral("-3"),
    QStringLiteral("+39 333"),
    QStringLiteral(".5"),
    QStringLiteral(",5"),
    QStringLiteral(" \t 00184  "),
    QStringLiteral("0"),
    QStringLiteral("1.000,50"),
    QStringLiteral("3/4"),
    QStringLiteral("1-2"),
    QStringLiteral("14/05/1998"),
    QStringLiteral("1,75 m"),
    QStringLiteral("12%"),
    QStringLiteral("(5)"),
    QStringLiteral("VERO"),
    QStringLiteral("-"),
    QStringLiteral("+"),
    QStringLiteral("RSSMRA98E54D704X"),
    QStringLiteral("IT60X0542811101000000123456"),
    QStringLiteral("anna@example.it"),
    QString::fromUtf8("Forlì"),
    QString::fromUtf8("Perché è così"),
    QString::fromUtf8("Città d'arte"),
    QString::fromUtf8("Œuvre «Ša» — 100 €"),
    QStringLiteral("a & b"),
    QStringLiteral("<b>grassetto</b>"),
    QStringLiteral("x > y"),
    QStringLiteral("&amp;"),
    QString::fromUtf8("\"Sì\""),
    QString::fromUtf8("Жанна"),
    QString::fromUtf8("ok 😀"),
};

// The rows of a CSV file as LibreOffice writes it: fields in double quotes where
// needed, a double quote inside them doubled.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
            fieldStarted = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            row << field;
            rows << row;
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}

} // namespace

class TestSheetInLibreOffice : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString soffice;
    QString documentPath;
    // What the export wrote, cell by cell: the header row, then the data rows.
    QList<QStringList> exported;

private slots:
    void initTestCase()
    {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        // Without it the exported file cannot be opened in a spreadsheet program here.
        LUMIDEX_REQUIRE_TOOL(
            !soffice.isEmpty(), QStringLiteral("LibreOffice's soffice (Debian: libreoffice-calc-nogui)"));

        const ExportTable& table = exporttable::registry();
        const int columns = table.exportedColumnCount();
        QList<int> fields;
        QStringList header;
        for (const ExportColumn& column : table.columns) {
            if (column.exported()) {
                fields << column.field;
                header << column.header;
            }
        }
        exported << header;
        // The texts one after another across the cells of as many rows as they
        // fill; the cells after the last stay empty.
        ExportRecords records(table);
        const int rows = int((typedTexts.size() + columns - 1) / columns);
        QVERIFY(records.fill(
            [&](const ExportRecords::Visitor& visit) {
                for (int row = 0; row < rows; ++row) {
                    QStringList values(table.layout.fieldCount());
                    QStringList cells(columns);
                    for (int column = 0; column < columns; ++column) {
                        const QString typed = typedTexts.value(row * columns + column);
                        values[fields[column]] = typed;
                        cells[column] = sheettext::withoutBlankEnds(typed).toString();
                    }
                    exported << cells;
                    visit(row + 1, values);
                }
            },
            rows));

        documentPath = dir.filePath(table.outputFileName);
        ExportDocument document(records);
        QVERIFY2(document.save(documentPath), qPrintable(document.errorString()));
    }

    // LibreOffice picks its import filter itself, as a double click does, or is
    // told to read HTML; the Italian locale reads "," as the decimal separator.
    void everyCellReadsAsExported_data()
    {
        QTest::addColumn<QString>("inputFilter");
        QTest::addColumn<QString>("locale");
        QTest::newRow("filter detected") << QString() << "C.UTF-8";
        QTest::newRow("HTML filter, Italian") << "HTML (StarCalc)"
                                              << "it_IT.UTF-8";
    }
    void everyCellReadsAsExported()
    {
        QFETCH(QString, inputFilter);
        QFETCH(QString, locale);
        const QString outDir = dir.filePath(QStringLiteral("csv-") + QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(outDir));

        QStringList arguments { QStringLiteral("-env:UserInstallation=")
                + QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
            QStringLiteral("--headless"), QStringLiteral("--norestore") };
        if (!inputFilter.isEmpty())
            arguments << QStringLiteral("--infilter=") + inputFilter;
        // Comma, double quote, UTF-8 (76), from the first line.
        arguments << QStringLiteral("--convert-to") << QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1")
                  << QStringLiteral("--outdir") << outDir << documentPath;
        QProcess office;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir.path());
        environment.insert(QStringLiteral("LANG"), locale);
        environment.insert(QStringLiteral("LC_ALL"), locale);
        office.setProcessEnvironment(environment);
        office.start(soffice, arguments);
        QVERIFY2(office.waitForFinished(240000), "LibreOffice did not finish the conversion in four minutes");
        QCOMPARE(office.exitStatus(), QProcess::NormalExit);

        QFile csv(QDir(outDir).filePath(QFileInfo(documentPath).completeBaseName() + QStringLiteral(".csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(QString::fromLocal8Bit(office.readAllStandardError())));
        const QList<QStringList> read = parseCsv(QString::fromUtf8(csv.readAll()));

        QCOMPARE(read.size(), exported.size());
        for (int row = 0; row < exported.size(); ++row) {
            QCOMPARE(read[row].size(), exported[row].size());
            for (int column = 0; column < exported[row].size(); ++column) {
                if (read[row][column] != exported[row][column])
                    QFAIL(qPrintable(QStringLiteral("row %1, column %2: \"%3\" was exported, \"%4\" read back")
                                         .arg(row + 1)
                                         .arg(column + 1)
                                         .arg(exported[row][column], read[row][column])));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetInLibreOffice)
#include "tst_sheetinlibreoffice.moc"
