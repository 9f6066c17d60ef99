#include "support/ExportFixtures.h"

#include "export/ExportDocument.h"
#include "export/ExportRecords.h"
#include "export/ExportTable.h"
#include "export/SheetText.h"
#include "storage/Archive.h"
#include "support/TestHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <unistd.h>

using namespace lumidex;
using namespace lumidex::test;
using namespace lumidex::test::exportfixture;

namespace {

// A disk that fills up after `room` bytes.
class FullDisk : public QIODevice {
public:
    explicit FullDisk(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (size > m_room - written.size()) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, size);
        return size;
    }

private:
    qint64 m_room;
};

QByteArray documentOf(const ExportRecords& records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ExportDocument document(records);
    if (!document.write(buffer))
        qFatal("a buffer refused the document");
    return buffer.data();
}

} // namespace

class TestExportDocument : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void wholeDocumentOfEachKind_data()
    {
        QTest::addColumn<bool>("registry");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("registry of three cards") << true << expectedRegistryDocument(registryCells());
        QTest::newRow("book of two entries") << false << expectedBookDocument(bookCells());
    }
    void wholeDocumentOfEachKind()
    {
        QFETCH(bool, registry);
        QFETCH(QByteArray, expected);
        const QString path = dir.filePath(QStringLiteral("archive%1").arg(registry ? 0 : 1));
        const ExportTable& table = registry ? exporttable::registry() : exporttable::book();
        if (registry)
            writeRegistry(path);
        else
            writeBook(path);
        ExportRecords records(table);
        QVERIFY(records.fill(Archive(path, table.layout)));

        const QByteArray written = documentOf(records);
        QCOMPARE(written, expected);
        QVERIFY(!written.contains('\r') && !written.contains('\n'));
        QVERIFY(!written.startsWith("\xEF\xBB\xBF"));
    }

    void emptyArchiveWritesTenEmptyRows_data()
    {
        QTest::addColumn<bool>("registry");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("registry") << true << expectedRegistryDocument(emptyCells(10, 25));
        QTest::newRow("book") << false << expectedBookDocument(emptyCells(10, 12));
    }
    void emptyArchiveWritesTenEmptyRows()
    {
        QFETCH(bool, registry);
        QFETCH(QByteArray, expected);
        const ExportTable& table = registry ? exporttable::registry() : exporttable::book();
        const QString path = dir.filePath(QStringLiteral("empty%1").arg(registry ? 0 : 1));
        ExportRecords records(table);
        QVERIFY(records.fill(Archive(path, table.layout)));
        QCOMPARE(documentOf(records), expected);
    }

    // Whatever is typed into a cell reads back from the sheet as typed.
    void typedTextsReadBackAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("less-than") << "a<b" << QByteArray("a&lt;b");
        QTest::newRow("markup") << "<b>grassetto</b>" << QByteArray("&lt;b&gt;grassetto&lt;/b&gt;");
        QTest::newRow("entity") << "&amp;" << QByteArray("&amp;amp;");
        QTest::newRow("double quotes") << "\"Sì\"" << QByteArray("\"S\xEC\"");
        QTest::newRow("code page letters") << QString::fromUtf8("€ è ß Œ ™") << QByteArray("\x80 \xE8 \xDF \x8C \x99");
        QTest::newRow("outside the code page")
            << QString::fromUtf8("Жанна") << QByteArray("&#1046;&#1072;&#1085;&#1085;&#1072;");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("ok 😀") << QByteArray("ok &#128512;");
        QTest::newRow("half a pair") << QString(QChar(0xD83D)) + QStringLiteral("x") << QByteArray("&#65533;x");
        QTest::newRow("blanks around") << " \t tra spazi \n " << QByteArray("tra spazi");
        QTest::newRow("question mark") << "?" << QByteArray("?");
    }
    void typedTextsReadBackAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        ExportRecords records(exporttable::registry());
        // Note, the last column, in the fourth of the ten empty rows.
        QVERIFY(records.setData(records.index(3, 25), typed));
        Cells expected = emptyCells(10, 25);
        expected[3][24] = written;
        QCOMPARE(documentOf(records), expectedRegistryDocument(expected));
    }

    // A cell a spreadsheet program would read as a number, a date or a formula is
    // marked as text; every other cell keeps the plain start tag.
    void cellsThatLookLikeNumbersAreMarkedAsText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("marked");
        QTest::newRow("VAT number") << "01234567897" << QByteArray("01234567897") << true;
        QTest::newRow("postcode") << "00184" << QByteArray("00184") << true;
        QTest::newRow("phone") << "0612345678" << QByteArray("0612345678") << true;
        QTest::newRow("exponent") << "1e5" << QByteArray("1e5") << true;
        QTest::newRow("formula") << "=1+1" << QByteArray("=1+1") << true;
        QTest::newRow("minus") << "-3" << QByteArray("-3") << true;
        QTest::newRow("plus") << "+39 333" << QByteArray("+39 333") << true;
        QTest::newRow("point") << ".5" << QByteArray(".5") << true;
        QTest::newRow("comma") << ",5" << QByteArray(",5") << true;
        QTest::newRow("blanks before a digit") << " \t 9 " << QByteArray("9") << true;
        QTest::newRow("letter first") << "a1" << QByteArray("a1") << false;
        QTest::newRow("accent first") << QString::fromUtf8("è 5") << QByteArray("\xE8 5") << false;
        QTest::newRow("euro first") << QString::fromUtf8("€5")
                                    << QByteArray("\x80"
                                                  "5")
                                    << false;
        QTest::newRow("bracket") << "(5)" << QByteArray("(5)") << false;
        QTest::newRow("ampersand") << "&1" << QByteArray("&amp;1") << false;
        QTest::newRow("digit outside the code page") << QString(QChar(0x0663)) << QByteArray("&#1635;") << false;
        QTest::newRow("blanks only") << " \t " << QByteArray() << false;
    }
    void cellsThatLookLikeNumbersAreMarkedAsText()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(bool, marked);
        ExportRecords records(exporttable::registry());
        // Note, the last column of its row: every other cell of the row is empty.
        QVERIFY(records.setData(records.index(3, 25), typed));
        const QByteArray document = documentOf(records);
        const QByteArray start
            = marked ? "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" : "<td style=\"text-align: left;\">";
        QVERIFY(document.contains(start + written + "</td></tr>"));
        QCOMPARE(document.count("sdnum"), marked ? 1 : 0);
    }

    // A row is copied as it is only when none of its bytes is markup: the look
    // through it must not miss one wherever it lies, at the edges of the
    // sixteen-byte steps too.
    void markupIsFoundAnywhereInARow()
    {
        for (const char markup : { '&', '<', '>' }) {
            for (int size = 0; size <= 40; ++size) {
                QByteArray row(size, 'a');
                QVERIFY(!sheettext::hasMarkup(row));
                for (int at = 0; at < size; ++at) {
                    row[at] = markup;
                    QVERIFY2(sheettext::hasMarkup(row),
                        qPrintable(QStringLiteral("%1 at %2 of %3").arg(markup).arg(at).arg(size)));
                    row[at] = 'a';
                }
            }
        }
        // Characters beside them are not markup.
        QVERIFY(!sheettext::hasMarkup("%'()*+,-./0123456789:;=?@\"\xA6\xBC\xBE ;=?"));
    }

    // The cells of a row that hold markup are told apart, wherever the markup
    // falls: first or last byte of a cell, either side of a sixteen-byte step.
    void markupIsToldCellByCell()
    {
        const QList<int> sizes { 5, 20, 0, 15, 1, 40 };
        QList<quint16> ends;
        QByteArray row;
        for (const int size : sizes) {
            row += QByteArray(size, 'x');
            ends << quint16(row.size());
        }
        QCOMPARE(sheettext::markupCells(row.constData(), ends.constData(), ends.size()), quint64(0));
        for (int at = 0; at < row.size(); ++at) {
            QByteArray marked = row;
            marked[at] = '<';
            const int cell = int(std::upper_bound(ends.cbegin(), ends.cend(), quint16(at)) - ends.cbegin());
            QCOMPARE(sheettext::markupCells(marked.constData(), ends.constData(), ends.size()), quint64(1) << cell);
        }
        // Two cells at once.
        QByteArray twice = row;
        twice[0] = '&';
        twice[row.size() - 1] = '>';
        QCOMPARE(
            sheettext::markupCells(twice.constData(), ends.constData(), ends.size()), quint64(1) | (quint64(1) << 5));
        // Past the 64th cell every cell is looked at again by the bit of the 64th.
        QList<quint16> many;
        for (int i = 1; i <= 70; ++i)
            many << quint16(i);
        QByteArray seventy(70, 'x');
        seventy[68] = '&';
        QCOMPARE(sheettext::markupCells(seventy.constData(), many.constData(), many.size()), quint64(1) << 63);
    }

    void aFullDiskStopsTheDocument_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("in the head") << qint64(500);
        QTest::newRow("among the rows") << qint64(200 * 1024);
        QTest::newRow("at the end") << qint64(-10);
    }
    void aFullDiskStopsTheDocument()
    {
        QFETCH(qint64, room);
        ExportRecords records(exporttable::registry());
        QVERIFY(records.fill(
            [](const ExportRecords::Visitor& visit) {
                QStringList values(32, QStringLiteral("testo di prova"));
                for (int n = 1; n <= 1000; ++n)
                    visit(n, values);
            },
            1000));
        const qint64 size = documentOf(records).size();
        FullDisk disk(room < 0 ? size + room : room);
        ExportDocument document(records);
        QVERIFY(!document.write(disk));
        QCOMPARE(document.errorString(), QStringLiteral("No space left on device"));
        QVERIFY(disk.written.size() < size);
    }

    void saveReplacesThePreviousFile()
    {
        const QString folder = dir.filePath(QStringLiteral("replace"));
        QVERIFY(QDir().mkpath(folder));
        const QString target = QDir(folder).filePath(QStringLiteral("Book_Fotografico.xls"));
        writeBytes(target, "un foglio di una volta");
        ExportRecords records(exporttable::book());
        ExportDocument document(records);
        QVERIFY2(document.save(target), qPrintable(document.errorString()));
        QCOMPARE(readBytes(target), expectedBookDocument(emptyCells(10, 12)));
        // Nothing is left beside it.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList { QStringLiteral("Book_Fotografico.xls") });
    }

    void aFailedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("the target is a folder") << "folder";
        QTest::newRow("the folder is missing") << "missing";
        QTest::newRow("the folder is a file") << "file";
        QTest::newRow("the target is read-only") << "read-only file";
        QTest::newRow("the folder is read-only") << "read-only folder";
    }
    void aFailedSaveKeepsWhatWasThere()
    {
        QFETCH(QString, place);
        const bool root = ::geteuid() == 0;
        if (root && place.startsWith(QLatin1String("read-only")))
            QSKIP("root may write anywhere");

        const QString folder = dir.filePath(QStringLiteral("fail-") + place);
        const QString target = QDir(folder).filePath(QStringLiteral("Archivio_Anagrafico.xls"));
        const QByteArray previous = "il foglio esportato ieri";
        if (place == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(target));
        } else if (place == QLatin1String("file")) {
            writeBytes(folder, "un file dove dovrebbe esserci una cartella");
        } else if (place != QLatin1String("missing")) {
            QVERIFY(QDir().mkpath(folder));
            writeBytes(target, previous);
            if (place == QLatin1String("read-only file"))
                QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
            else
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }

        ExportRecords records(exporttable::registry());
        ExportDocument document(records);
        const bool saved = document.save(target);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QVERIFY(!document.errorString().isEmpty());
        if (place == QLatin1String("folder"))
            QVERIFY(QFileInfo(target).isDir());
        else if (place.startsWith(QLatin1String("read-only")))
            QCOMPARE(readBytes(target), previous);
        if (QFileInfo(folder).isDir())
            QCOMPARE(
                QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), place == QStringLiteral("folder") ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestExportDocument)
#include "tst_exportdocument.moc"
