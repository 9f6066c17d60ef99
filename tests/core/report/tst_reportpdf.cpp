#include "report/CardReport.h"
#include "report/ComposedReport.h"
#include "report/ReportPainter.h"
#include "report/SummaryLayout.h"
#include "storage/Layouts.h"
#include "support/PdfReadBack.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::report;
using namespace lumidex::test;

namespace {

const QDate printDay(2024, 3, 7);
constexpr double margin = 10;
// Read-back positions may differ from the layout by a glyph's side bearing.
constexpr double slackPt = 1.5;

QStringList registryFields(std::initializer_list<std::pair<std::string_view, QString>> values)
{
    return namedFieldCard(layouts::registry, values);
}

bool isRedPixel(const QColor& c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

bool isInk(const QColor& c)
{
    return c.lightness() < 160;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    int written = 0;

    QString render(const PrintableReport& report)
    {
        const QString path = dir.filePath(QStringLiteral("report-%1.pdf").arg(++written));
        QPdfWriter writer(path);
        writer.setResolution(300);
        if (!paintReport(report, writer))
            return {};
        return path;
    }

    QString renderRegistryCard(const QStringList& fields, const QImage& photo = {})
    {
        const std::optional<ReportLayout> layout = filledRegistryCard(CardValues { fields, QString(), photo });
        return layout ? render(compose(*layout, printDay)) : QString();
    }

    QString renderSummary(const QStringList& lines)
    {
        ReportLayout layout = summaryLayout();
        fillSummary(layout, QStringLiteral("Riepilogo foto in book fotografico"), lines);
        return render(compose(layout, printDay));
    }

private slots:
    void initTestCase() { LUMIDEX_REQUIRE_PDF_READER(); }

    void valuePrintsInItsBoxAtItsPlace()
    {
        const QString pdf = renderRegistryCard(registryFields({ { "LuogoNasc", QStringLiteral("Milano") },
            { "Sesso", QStringLiteral("F") }, { "Nome", QStringLiteral("Anna Rossi") } }));
        const QList<PdfWord> words = pdfWords(pdf);

        // Left-aligned value: 1 mm into its box, centred in the 4 mm high area 1.4 mm down.
        const PdfWord milano = findWord(words, QStringLiteral("Milano"));
        QVERIFY(!milano.text.isEmpty());
        QVERIFY(qAbs(milano.box.left() - pointsFromMm(margin + 1 + 1)) < slackPt);
        QVERIFY(qAbs(milano.box.center().y() - pointsFromMm(margin + 153 + 5 + 1.4 + 2)) < slackPt);
        // An 8 pt face measures 8 pt on paper, not millimetres.
        QVERIFY2(
            milano.box.height() > 7 && milano.box.height() < 10.5, qPrintable(QString::number(milano.box.height())));

        // The caption above it, on its bar.
        const PdfWord luogo = findWord(words, QStringLiteral("LUOGO"));
        QVERIFY(qAbs(luogo.box.left() - pointsFromMm(margin + 1 + 1)) < slackPt);
        QVERIFY(qAbs(luogo.box.center().y() - pointsFromMm(margin + 153 + 1 + 1.8)) < slackPt);

        // Centred value: "F" in the middle of the sex box.
        const PdfWord sesso = findWord(words, QStringLiteral("F"));
        QVERIFY(qAbs(sesso.box.center().x() - pointsFromMm(margin + 95 + 8)) < slackPt);

        // The name, 12 pt, centred on the title bar.
        const PdfWord anna = findWord(words, QStringLiteral("Anna"));
        const PdfWord rossi = findWord(words, QStringLiteral("Rossi"));
        QVERIFY(qAbs((anna.box.left() + rossi.box.right()) / 2 - pointsFromMm(margin + 2 + 93)) < slackPt);
        QVERIFY(anna.box.height() > 11);
    }

    void barsLieOnThePaperToATenthOfAMillimetre()
    {
        // The title bar starts 1 mm inside the 10 mm margins and is 188 mm long;
        // its one-unit outline lies half outside. Its corners, seen at 1200 dpi.
        const int dpi = 1200;
        const QString pdf = renderRegistryCard(registryFields({}));
        const auto isBlue = [](const QColor& c) { return c.blue() > 180 && c.red() < 120; };
        const QPoint corner(int(pixelsFromMm(margin, dpi)), int(pixelsFromMm(margin, dpi)));
        const QImage topLeft = pdfPageImage(pdf, 0, dpi, QRect(corner, QSize(200, 200)));
        const QRect blue = pixelBounds(topLeft, topLeft.rect(), isBlue);
        const double halfPen = units(0.5);
        QVERIFY(qAbs(corner.x() + blue.left() - pixelsFromMm(margin + 1 - halfPen, dpi)) < pixelsFromMm(0.03, dpi));
        QVERIFY(qAbs(corner.y() + blue.top() - pixelsFromMm(margin + 1 - halfPen, dpi)) < pixelsFromMm(0.03, dpi));
        const QPoint farCorner(int(pixelsFromMm(margin + 1 + 188, dpi)) - 100, corner.y());
        const QImage topRight = pdfPageImage(pdf, 0, dpi, QRect(farCorner, QSize(200, 200)));
        const QRect blueEnd = pixelBounds(topRight, topRight.rect(), isBlue);
        QVERIFY(qAbs(farCorner.x() + blueEnd.right() + 1 - pixelsFromMm(margin + 1 + 188 + halfPen, dpi))
            < pixelsFromMm(0.03, dpi));
    }

    void bookHeaderDateSitsRightAligned()
    {
        const QStringList fields = namedFieldCard(layouts::book, { { "Data", QStringLiteral("07/03/2024") } });
        const std::optional<ReportLayout> layout
            = filledBookEntry(CardValues { fields, QStringLiteral("Estate"), QImage() });
        const QList<PdfWord> words = pdfWords(render(compose(*layout, printDay)));
        const PdfWord date = findWord(words, QStringLiteral("07/03/2024"));
        QVERIFY(qAbs(date.box.right() - pointsFromMm(margin + 153 + 36)) < slackPt);
        QVERIFY(qAbs(findWord(words, QStringLiteral("Estate")).box.left() - pointsFromMm(margin + 1)) < slackPt);
        QCOMPARE(pdfPageText(words, 0).count(QStringLiteral("Data scatto:")), 1);
    }

    void longValueIsCutAtTheBoxNotWrapped()
    {
        QStringList parts;
        for (int i = 1; i <= 40; ++i)
            parts << QStringLiteral("parola%1").arg(i);
        const QString pdf = renderRegistryCard(registryFields({ { "Email", parts.join(QLatin1Char(' ')) } }));
        const QList<PdfWord> words = pdfWords(pdf);
        const PdfWord first = findWord(words, QStringLiteral("parola1"));
        QVERIFY(!first.text.isEmpty());
        int shown = 0;
        for (const PdfWord& word : words) {
            if (!word.text.startsWith(QLatin1String("parola")) && !QStringLiteral("parola").startsWith(word.text))
                continue;
            ++shown;
            // One line only, and nothing past the box but the glyph the edge cuts.
            QVERIFY(qAbs(word.box.top() - first.box.top()) < 0.5);
            QVERIFY(word.box.left() < pointsFromMm(margin + 1 + 48));
        }
        QVERIFY(shown >= 3 && shown < 10);

        // On paper no ink crosses the box's right edge into the gap before the next box.
        const int dpi = 150;
        const QImage page = pdfPageImage(pdf, 0, dpi);
        const QRect gap(
            QPoint(int(pixelsFromMm(margin + 1 + 48 + 0.3, dpi)), int(pixelsFromMm(margin + 167 + 5.5, dpi))),
            QPoint(int(pixelsFromMm(margin + 51 - 0.3, dpi)), int(pixelsFromMm(margin + 167 + 10.5, dpi))));
        QVERIFY(pixelBounds(page, gap, isInk).isEmpty());
    }

    void bracketsPrintAsTyped()
    {
        const QString pdf
            = renderRegistryCard(registryFields({ { "Note", QStringLiteral("[Nome] visto il [DATE] <b>&amp;</b>") } }));
        const QString text = pdfPageText(pdfWords(pdf), 0);
        QVERIFY2(text.contains(QStringLiteral("[Nome] visto il [DATE] <b>&amp;</b>")), qPrintable(text));
    }

    void photoIsCentredAndUndistorted_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QRectF>("expectedMm");
        // The photo box lies at (1, 11), 188 x 140 mm, inside the 10 mm margins.
        QTest::newRow("portrait") << QSize(300, 600) << QRectF(margin + 1 + 59, margin + 11, 70, 140);
        QTest::newRow("landscape") << QSize(800, 400) << QRectF(margin + 1, margin + 11 + 23, 188, 94);
        QTest::newRow("large") << QSize(4800, 2400) << QRectF(margin + 1, margin + 11 + 23, 188, 94);
    }

    void photoIsCentredAndUndistorted()
    {
        QFETCH(QSize, photo);
        QFETCH(QRectF, expectedMm);
        QImage picture(photo, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const int dpi = 100;
        const QImage page = pdfPageImage(renderRegistryCard(registryFields({}), picture), 0, dpi);
        const QRect red = pixelBounds(page, page.rect(), isRedPixel);
        const QRectF expected(pixelsFromMm(expectedMm.left(), dpi), pixelsFromMm(expectedMm.top(), dpi),
            pixelsFromMm(expectedMm.width(), dpi), pixelsFromMm(expectedMm.height(), dpi));
        QVERIFY2(qAbs(red.left() - expected.left()) <= 2 && qAbs(red.top() - expected.top()) <= 2
                && qAbs(red.width() - expected.width()) <= 3 && qAbs(red.height() - expected.height()) <= 3,
            qPrintable(QStringLiteral("red at %1,%2 %3x%4")
                           .arg(red.left())
                           .arg(red.top())
                           .arg(red.width())
                           .arg(red.height())));
    }

    void emptySummaryPrintsTitleAndFooterOnly()
    {
        const QList<PdfWord> words = pdfWords(renderSummary({}));
        QCOMPARE(pdfPageText(words, 0),
            QStringLiteral("Riepilogo foto in book fotografico Stampa eseguita in data 07/03/2024"));
        // The footer follows the title at once: 8 mm of title, the empty listing's
        // 10 units, then 2 mm into the footer band.
        const PdfWord stampa = findWord(words, QStringLiteral("Stampa"));
        QVERIFY(stampa.box.top() > pointsFromMm(margin + 8 + 2.6 + 2) - slackPt);
        QVERIFY(stampa.box.bottom() < pointsFromMm(margin + 8 + 2.7 + 2 + 5) + slackPt);
    }

    void longSummaryContinuesOverPages()
    {
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Titolo%1  Data: 01/01/2024  Location: Roma").arg(i, 3, 10, QLatin1Char('0'));
        const QString pdf = renderSummary(lines);
        const QList<PdfWord> words = pdfWords(pdf);
        QCOMPARE(words.constLast().page, 2);

        QStringList listed;
        int titles = 0;
        int footers = 0;
        for (const PdfWord& word : words) {
            if (word.text.startsWith(QLatin1String("Titolo"))) {
                listed << word.text;
                QVERIFY(qAbs(word.box.left() - pointsFromMm(margin + 3)) < slackPt);
            }
            titles += word.text == QLatin1String("Riepilogo") ? 1 : 0;
            footers += word.text == QLatin1String("eseguita") ? 1 : 0;
        }
        QStringList expected;
        for (const QString& line : lines)
            expected << line.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(listed, expected);
        QCOMPARE(titles, 1);
        QCOMPARE(findWord(words, QStringLiteral("Riepilogo")).page, 0);
        QCOMPARE(footers, 1);
        QCOMPARE(findWord(words, QStringLiteral("eseguita")).page, 2);
        // Continued lines start at the top of the next page's printable area.
        const PdfWord continued = findWord(words, QStringLiteral("Titolo054"));
        QCOMPARE(continued.page, 1);
        QVERIFY(continued.box.top() < pointsFromMm(margin) + 3);
        // Lines keep their pitch of 12.822 units.
        const double pitch = findWord(words, QStringLiteral("Titolo002")).box.top()
            - findWord(words, QStringLiteral("Titolo001")).box.top();
        QVERIFY(qAbs(pitch - 12.822 * 72 / 96) < 0.05);
    }

    void pagesFollowTheUsersChoice_data()
    {
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("lastPageFirst");
        QTest::addColumn<QList<int>>("printed");
        QTest::newRow("all") << "" << 1 << true << false << QList<int> { 1, 2, 3 };
        QTest::newRow("second page") << "2" << 1 << true << false << QList<int> { 2 };
        QTest::newRow("two sets") << "" << 2 << true << false << QList<int> { 1, 2, 3, 1, 2, 3 };
        QTest::newRow("two of each") << "2-3" << 2 << false << false << QList<int> { 2, 2, 3, 3 };
        QTest::newRow("last first") << "" << 1 << true << true << QList<int> { 3, 2, 1 };
    }

    void pagesFollowTheUsersChoice()
    {
        QFETCH(QString, ranges);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, lastPageFirst);
        QFETCH(QList<int>, printed);
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Riga%1").arg(i, 3, 10, QLatin1Char('0'));
        ReportLayout layout = summaryLayout();
        fillSummary(layout, QStringLiteral("Riepilogo"), lines);
        const ComposedReport report = compose(layout, printDay);
        QCOMPARE(report.pageCount(), 3);

        const QString path = dir.filePath(QStringLiteral("run-%1.pdf").arg(++written));
        QPdfWriter writer(path);
        writer.setResolution(150);
        if (!ranges.isEmpty())
            writer.setPageRanges(QPageRanges::fromString(ranges));
        QVERIFY(paintReport(report, writer, PrintRun { copies, collate, lastPageFirst }));

        // Each page is known by its first line: 1, 54 and 110.
        const QList<PdfWord> words = pdfWords(path);
        QList<int> pages;
        for (int page = 0; !pdfPageText(words, page).isEmpty(); ++page) {
            const QString text = pdfPageText(words, page);
            pages << (text.contains(QLatin1String("Riga001")) ? 1 : text.contains(QLatin1String("Riga054")) ? 2 : 3);
        }
        QCOMPARE(pages, printed);
    }

    void paintingTellsEachPageAndStopsOnlyBetweenPages_data()
    {
        QTest::addColumn<int>("stopAfter");
        QTest::addColumn<int>("copies");
        QTest::addColumn<PaintOutcome>("outcome");
        QTest::addColumn<QList<int>>("printed");
        QTest::newRow("to the end") << 0 << 1 << PaintOutcome::Painted << QList<int> { 1, 2, 3 };
        QTest::newRow("stopped after the first page") << 1 << 1 << PaintOutcome::Stopped << QList<int> { 1 };
        QTest::newRow("stopped after the second page") << 2 << 1 << PaintOutcome::Stopped << QList<int> { 1, 2 };
        // A stop asked while the last page was painted comes too late to spare any paper.
        QTest::newRow("stopped on the last page") << 3 << 1 << PaintOutcome::Painted << QList<int> { 1, 2, 3 };
        QTest::newRow("copies count as pages") << 4 << 2 << PaintOutcome::Stopped << QList<int> { 1, 2, 3, 1 };
    }

    void paintingTellsEachPageAndStopsOnlyBetweenPages()
    {
        QFETCH(int, stopAfter);
        QFETCH(int, copies);
        QFETCH(PaintOutcome, outcome);
        QFETCH(QList<int>, printed);
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Riga%1").arg(i, 3, 10, QLatin1Char('0'));
        ReportLayout layout = summaryLayout();
        fillSummary(layout, QStringLiteral("Riepilogo"), lines);
        const ComposedReport report = compose(layout, printDay);

        const QString path = dir.filePath(QStringLiteral("stop-%1.pdf").arg(++written));
        QList<std::pair<int, int>> told;
        {
            QPdfWriter writer(path);
            writer.setResolution(150);
            const auto progress = [&](int painted, int total) {
                told.append({ painted, total });
                return stopAfter == 0 || painted != stopAfter;
            };
            QCOMPARE(paintPages(report, writer, PrintRun { copies, true, false }, progress), outcome);
        }
        const int total = 3 * copies;
        QList<std::pair<int, int>> expected;
        for (int painted = 0; painted <= printed.size(); ++painted)
            expected.append({ painted, total });
        QCOMPARE(told, expected);

        // Each page is known by its first line, and is whole: its last line is there.
        const QList<PdfWord> words = pdfWords(path);
        QList<int> pages;
        for (int page = 0; !pdfPageText(words, page).isEmpty(); ++page) {
            const QString text = pdfPageText(words, page);
            pages << (text.startsWith(QLatin1String("Riepilogo Riga001"))                        ? 1
                    : text.startsWith(QLatin1String("Riga054"))                                  ? 2
                    : text.endsWith(QLatin1String("Riga150 Stampa eseguita in data 07/03/2024")) ? 3
                                                                                                 : 0);
            if (pages.last() == 1)
                QVERIFY(text.endsWith(QLatin1String("Riga053")));
            if (pages.last() == 2)
                QVERIFY(text.endsWith(QLatin1String("Riga109")));
        }
        QCOMPARE(pages, printed);
    }

    void objectsKeepTheirPlaceOnAPrinterWithOtherMargins()
    {
        QPdfWriter writer(dir.filePath(QStringLiteral("margins.pdf")));
        writer.setResolution(600);
        writer.setPageLayout(a4Page(QPageLayout::Portrait, 4));
        const DeviceMapping mapping(writer, a4Page(QPageLayout::Portrait, 10));
        const QRectF mapped = mapping.toDevice(QRectF(1, 11, 188, 140));
        // The painter starts where the device's margins end (Qt keeps them in
        // whole points); the report's 10 mm margin is measured from the paper.
        const QPoint painterOrigin = writer.pageLayout().paintRectPixels(600).topLeft();
        QVERIFY(painterOrigin.x() > 80 && painterOrigin.x() < 100);
        QVERIFY(qAbs(mapped.left() - ((10 + 1) * 600 / 25.4 - painterOrigin.x())) < 1e-6);
        QVERIFY(qAbs(mapped.top() - ((10 + 11) * 600 / 25.4 - painterOrigin.y())) < 1e-6);
        QVERIFY(qAbs(mapped.width() - 188 * 600 / 25.4) < 1e-6);
        QCOMPARE(mapping.unitWidth(), 600.0 / 96);
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
