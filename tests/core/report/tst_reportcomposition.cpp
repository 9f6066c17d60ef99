#include "report/ComposedReport.h"
#include "report/SummaryLayout.h"

#include <QtTest>

using namespace lumidex;
using namespace lumidex::report;

namespace {

const QDate printDay(2024, 3, 7);

QStringList listing(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Riga%1 Sesso: F").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

ComposedReport composedSummary(const QStringList& lines)
{
    ReportLayout layout = summaryLayout();
    fillSummary(layout, QStringLiteral("Riepilogo schede anagrafiche in archivio"), lines);
    return compose(layout, printDay);
}

const ReportObject* objectOn(const ComposedReport::Page& page, const QString& name)
{
    for (const ReportObject& object : page)
        if (object.name == name)
            return &object;
    return nullptr;
}

// The listing lines of every page, in order.
QStringList listedLines(const ComposedReport& report)
{
    QStringList lines;
    for (const ComposedReport::Page& page : report.pages())
        if (const ReportObject* listing = objectOn(page, QStringLiteral("txtRiepilogo"));
            listing && !listing->text.isEmpty())
            lines << listing->text.split(QLatin1Char('\n'));
    return lines;
}

} // namespace

class TestReportComposition : public QObject {
    Q_OBJECT

private slots:
    void summaryLayoutIsAsMeasured()
    {
        const ReportLayout layout = summaryLayout();
        QCOMPARE(layout.name, QStringLiteral("Riepilogo dati"));
        QCOMPARE(layout.page.orientation(), QPageLayout::Landscape);
        QCOMPARE(layout.page.paintRect(QPageLayout::Millimeter).size(), QSizeF(277, 190));
        QCOMPARE(layout.bands.size(), 3);
        QCOMPARE(layout.bands[0].kind, BandKind::ReportTitle);
        QCOMPARE(layout.bands[0].height, 8.0);
        QCOMPARE(layout.bands[1].kind, BandKind::MasterData);
        QVERIFY(layout.bands[1].mayBreak);
        QCOMPARE(layout.bands[2].kind, BandKind::Footer);
        QCOMPARE(layout.bands[2].height, 8.0);

        const ReportObject* title = layout.find(u"txtTitolo");
        QCOMPARE(title->box, QRectF(2, 1, 273, 5));
        // Slate grey, #708090.
        QCOMPARE(title->fill, QColor(0x70, 0x80, 0x90));
        QCOMPARE(title->font.family(), QStringLiteral("Verdana"));
        QCOMPARE(title->font.pointSizeF(), 9.0);
        QVERIFY(title->font.bold());
        const ReportObject* listing = layout.find(u"txtRiepilogo");
        QCOMPARE(listing->box.left(), 3.0);
        QCOMPARE(listing->box.width(), 273.0);
        QCOMPARE(listing->font.family(), QStringLiteral("Courier New"));
        QCOMPARE(listing->alignment, Qt::AlignLeft | Qt::AlignTop);
        const ReportObject* footer = layout.find(u"txtPagina");
        QCOMPARE(footer->box, QRectF(3, 2, 272, 5));
        QCOMPARE(footer->font.pointSizeF(), 8.0);
    }

    void listingTakesTwelvePointEightUnitsALine()
    {
        ReportLayout layout = summaryLayout();
        QVERIFY(fillSummary(layout, QStringLiteral("Titolo"), listing(10)));
        // 12.822 units of 1/96 inch a line, and 10 units more for the band.
        QVERIFY(qAbs(layout.find(u"txtRiepilogo")->box.height() - 10 * 12.822 * 25.4 / 96) < 1e-9);
        QVERIFY(qAbs(layout.band(BandKind::MasterData)->height - (10 * 12.822 + 10) * 25.4 / 96) < 1e-9);
        QCOMPARE(layout.find(u"txtTitolo")->text, QStringLiteral("Titolo"));
    }

    void emptyListPrintsTitleAndFooterOnly()
    {
        const ComposedReport report = composedSummary({});
        QCOMPARE(report.pageCount(), 1);
        const ComposedReport::Page& page = report.pages().first();
        QVERIFY(objectOn(page, QStringLiteral("txtTitolo")));
        const ReportObject* footer = objectOn(page, QStringLiteral("txtPagina"));
        QVERIFY(footer);
        QCOMPARE(footer->text, QStringLiteral("Stampa eseguita in data 07/03/2024"));
        const ReportObject* listingPiece = objectOn(page, QStringLiteral("txtRiepilogo"));
        QVERIFY(!listingPiece || listingPiece->text.isEmpty());
        // The footer follows the title and the empty band's own room.
        QVERIFY(qAbs(footer->box.top() - (8 + 10 * 25.4 / 96 + 2)) < 1e-9);
    }

    void longSummaryRunsOverPagesWithOneTitleAndOneFooter_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        // 190 mm a page: 53 lines under the title, then 56 a page; the footer
        // needs the room of about three lines more.
        QTest::newRow("one page") << 50 << 1;
        QTest::newRow("footer pushed over") << 51 << 2;
        QTest::newRow("first page full") << 53 << 2;
        QTest::newRow("two pages") << 60 << 2;
        QTest::newRow("150 lines") << 150 << 3;
    }

    void longSummaryRunsOverPagesWithOneTitleAndOneFooter()
    {
        QFETCH(int, lines);
        QFETCH(int, pages);
        const ComposedReport report = composedSummary(listing(lines));
        QCOMPARE(report.pageCount(), pages);
        QCOMPARE(listedLines(report), listing(lines));
        for (int p = 0; p < report.pageCount(); ++p) {
            const ComposedReport::Page& page = report.pages().at(p);
            QCOMPARE(objectOn(page, QStringLiteral("txtTitolo")) != nullptr, p == 0);
            QCOMPARE(objectOn(page, QStringLiteral("txtPagina")) != nullptr, p == report.pageCount() - 1);
            for (const ReportObject& object : page)
                QVERIFY2(object.box.bottom() <= 190 + 1e-6, qPrintable(object.name));
        }
        // Continued lines start at the top of their page.
        if (report.pageCount() > 1) {
            const ReportObject* next = objectOn(report.pages().at(1), QStringLiteral("txtRiepilogo"));
            if (next)
                QCOMPARE(next->box.top(), 0.0);
        }
    }

    void cardObjectsStayWhereTheLayoutPutsThem()
    {
        ReportLayout layout;
        layout.name = QStringLiteral("Prova");
        layout.page = a4Page(QPageLayout::Portrait, 10);
        layout.objects << textBox(QStringLiteral("txtUno"), QRectF(5, 265, 20, 4), QStringLiteral("[DATE]"),
            reportFont(QStringLiteral("Arial"), 8));
        const ComposedReport report = compose(layout, printDay);
        QCOMPARE(report.pageCount(), 1);
        QCOMPARE(report.pages().first().first().box, QRectF(5, 265, 20, 4));
        // Typed brackets are text, not a field.
        QCOMPARE(report.pages().first().first().text, QStringLiteral("[DATE]"));
        QCOMPARE(report.name(), QStringLiteral("Prova"));
    }
};

QTEST_MAIN(TestReportComposition)
#include "tst_reportcomposition.moc"
