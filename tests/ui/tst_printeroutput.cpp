#include "ui/PrinterOutput.h"

#include "support/TestMetaTypes.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;

namespace {

// A few A4 pages, each with a frame and a filled box.
class FramedPages : public PrintableReport {
public:
    explicit FramedPages(int pages)
        : m_pages(pages)
    { }
    QString name() const override { return QStringLiteral("Scheda anagrafica"); }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    int pageCount() const override { return m_pages; }
    bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override
    {
        const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(area.topLeft(), area.size() / (page + 2)), Qt::darkBlue);
        return true;
    }

private:
    int m_pages;
};

QByteArray bytesOfFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestPrinterOutput : public QObject {
    Q_OBJECT

private slots:
    void aFileIsPrintedIntoOnlyWhenTheUserChoseOne()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!printsIntoFile(printer));
        printer.setOutputFileName(QDir::temp().filePath(QStringLiteral("scheda.pdf")));
        QVERIFY(printsIntoFile(printer));
        // A PDF file is one copy at a time: the others are ours to paint.
        printer.setCopyCount(3);
        printer.setCollateCopies(false);
        const PrintRun run = printRunOf(printer);
        QCOMPARE(run.copies, 3);
        QVERIFY(!run.collate);
    }

    // What the print dialog leaves when the user prints into a file: the chosen
    // file is replaced only once the last page is in, so "Annulla" on the way
    // keeps the file that was there, byte for byte, with nothing beside it.
    void printIntoAFile_data()
    {
        QTest::addColumn<int>("stopAfterPages");
        QTest::addColumn<ReportOutcome>("outcome");
        QTest::newRow("every page") << 99 << ReportOutcome::Done;
        QTest::newRow("stopped after the first page") << 1 << ReportOutcome::Cancelled;
        QTest::newRow("stopped after the second page") << 2 << ReportOutcome::Cancelled;
    }
    void printIntoAFile()
    {
        QFETCH(int, stopAfterPages);
        QFETCH(ReportOutcome, outcome);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("scheda.pdf"));
        const QByteArray previous = "%PDF-1.4 la scheda stampata ieri\n%%EOF\n";
        putBytes(target, previous);

        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Scheda anagrafica"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        const ReportResult result = paintOnPrinter(
            FramedPages(3), printer, [stopAfterPages](int painted, int) { return painted < stopAfterPages; });

        QCOMPARE(result.outcome, outcome);
        QVERIFY(!result.cause.isKnown());
        const QByteArray now = bytesOfFile(target);
        if (outcome == ReportOutcome::Done) {
            QVERIFY(now.startsWith("%PDF-"));
            QVERIFY(now.trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(now, previous);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("scheda.pdf") });
    }

    void aFileThatCannotBeWrittenFailsTheRun()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        // A folder in the file's place cannot be replaced, not even by the superuser.
        const QString target = dir.filePath(QStringLiteral("scheda.pdf"));
        QVERIFY(QDir().mkdir(target));
        printer.setOutputFileName(target);
        const ReportResult result = paintOnPrinter(FramedPages(1), printer, {});
        QCOMPARE(result.outcome, ReportOutcome::Failed);
        QVERIFY(!result.cause.detail().isEmpty());
        QVERIFY(QFileInfo(target).isDir());
    }
};

QTEST_MAIN(TestPrinterOutput)
#include "tst_printeroutput.moc"
