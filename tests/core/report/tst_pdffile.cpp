#include "report/PdfFile.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// Pages that each carry a picture of noise, which no compression shrinks: every
// page adds tens of kilobytes to the file. Page `failingPage` (0-based) cannot
// be painted, as a photo too large for the memory at hand.
class NoisyPagesReport : public PrintableReport {
public:
    NoisyPagesReport(int pages, int failingPage = -1)
        : m_pages(pages)
        , m_failingPage(failingPage)
        , m_noise(160, 120, QImage::Format_RGB32)
    {
        QRandomGenerator generator(11);
        for (int y = 0; y < m_noise.height(); ++y)
            for (int x = 0; x < m_noise.width(); ++x)
                m_noise.setPixel(x, y, generator.generate() | 0xFF000000u);
    }
    QString name() const override { return QStringLiteral("Riepilogo dati"); }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    int pageCount() const override { return m_pages; }
    bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override
    {
        if (page == m_failingPage)
            return false;
        const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
        painter.drawImage(QRect(area.topLeft(), area.size() / 2), m_noise);
        painter.fillRect(QRect(area.center(), QSize(area.width() / 8, area.height() / 8)), QColor(page * 40, 0, 0));
        return true;
    }

private:
    int m_pages;
    int m_failingPage;
    QImage m_noise;
};

QStringList pdfFolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool isWholePdf(const QByteArray& bytes)
{
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// A print into `path` as the print dialog asks it: every page, one copy.
PdfFileRequest pdfRequestFor(const QString& path)
{
    PdfFileRequest request;
    request.path = path;
    request.title = QStringLiteral("Riepilogo");
    request.resolution = 300;
    return request;
}

// The user's "Annulla" after `pages` pages (0: before the first).
PagesPainted stopAfter(int pages)
{
    return [pages](int painted, int) { return painted < pages; };
}

} // namespace

class TestPdfFile : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void everyPagePaintedTakesTheFilesPlace()
    {
        const QString target = path(QStringLiteral("riepilogo.pdf"));
        writeBytes(target, "il riepilogo di ieri");
        int lastTold = -1;
        FailureCause cause = FailureCause::fromSystem(EIO);
        const PaintOutcome painted = paintPdfFile(
            NoisyPagesReport(3), pdfRequestFor(target),
            [&](int pages, int) {
                lastTold = pages;
                return true;
            },
            &cause);
        QCOMPARE(painted, PaintOutcome::Painted);
        QCOMPARE(lastTold, 3);
        const QByteArray written = readBytes(target);
        QVERIFY(isWholePdf(written));
        QCOMPARE(written.count("/Type /Page\n") + written.count("/Type /Page\r") + written.count("/Type /Page "), 3);
        QCOMPARE(pdfFolderEntries(m_dir->path()), QStringList { QStringLiteral("riepilogo.pdf") });
    }

    // The chosen file stays as it was, byte for byte, and nothing is left beside it.
    void aPrintStoppedOrFailedKeepsTheFileThatWasThere_data()
    {
        QTest::addColumn<int>("stopAfterPages");
        QTest::addColumn<int>("failingPage");
        QTest::addColumn<PaintOutcome>("outcome");
        QTest::newRow("stopped before the first page") << 0 << -1 << PaintOutcome::Stopped;
        QTest::newRow("stopped after the first page") << 1 << -1 << PaintOutcome::Stopped;
        QTest::newRow("stopped after the second page") << 2 << -1 << PaintOutcome::Stopped;
        QTest::newRow("the second page cannot be painted") << 9 << 1 << PaintOutcome::Failed;
    }
    void aPrintStoppedOrFailedKeepsTheFileThatWasThere()
    {
        QFETCH(int, stopAfterPages);
        QFETCH(int, failingPage);
        QFETCH(PaintOutcome, outcome);
        const QString target = path(QStringLiteral("riepilogo.pdf"));
        const QByteArray previous = "%PDF-1.4 il riepilogo di ieri\n%%EOF\n";
        writeBytes(target, previous);
        FailureCause cause;
        QCOMPARE(
            paintPdfFile(NoisyPagesReport(3, failingPage), pdfRequestFor(target), stopAfter(stopAfterPages), &cause),
            outcome);
        QCOMPARE(readBytes(target), previous);
        QCOMPARE(pdfFolderEntries(m_dir->path()), QStringList { QStringLiteral("riepilogo.pdf") });
        // A stop is the user's wish, not a failure with a cause.
        if (outcome == PaintOutcome::Stopped)
            QVERIFY(cause.detail().isEmpty());
        else
            QVERIFY(!cause.detail().isEmpty());
    }

    void aStoppedPrintMakesNoFileWhereThereWasNone()
    {
        const QString target = path(QStringLiteral("nuovo.pdf"));
        QCOMPARE(paintPdfFile(NoisyPagesReport(3), pdfRequestFor(target), stopAfter(1)), PaintOutcome::Stopped);
        QCOMPARE(pdfFolderEntries(m_dir->path()), QStringList());
    }

    void aFolderThatIsNotThereFailsWithItsReason()
    {
        const QString target = path(QStringLiteral("manca/riepilogo.pdf"));
        FailureCause cause;
        QCOMPARE(paintPdfFile(NoisyPagesReport(1), pdfRequestFor(target), {}, &cause), PaintOutcome::Failed);
        QVERIFY(!cause.detail().isEmpty());
        QCOMPARE(pdfFolderEntries(m_dir->path()), QStringList());
    }

    void aFullDiskKeepsTheFileThatWasThere_data() { addDiskFaultRows(); }
    void aFullDiskKeepsTheFileThatWasThere()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        const QString target = disk.path() + QStringLiteral("/riepilogo.pdf");
        const QByteArray previous = "%PDF-1.4 il riepilogo di ieri\n%%EOF\n";
        writeBytes(target, previous);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));
        FailureCause cause;
        // Three pages of noise are far more than the page a nearly full disk has left.
        const PaintOutcome painted = paintPdfFile(NoisyPagesReport(3), pdfRequestFor(target), {}, &cause);
        disk.lift();
        QCOMPARE(painted, PaintOutcome::Failed);
        QCOMPARE(cause.detail(), diskFaultReason(fault));
        QCOMPARE(readBytes(target), previous);
        QCOMPARE(pdfFolderEntries(disk.path()), QStringList { QStringLiteral("riepilogo.pdf") });
    }
};

QTEST_MAIN(TestPdfFile)
#include "tst_pdffile.moc"
