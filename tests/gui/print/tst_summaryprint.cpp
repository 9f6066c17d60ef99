#include "common/Formatting.h"
#include "gui/print/SummaryPrint.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QDate>
#include <QWidget>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestSummaryPrint : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> owner;

    void setUp() override
    {
        owner = std::make_unique<QWidget>();
        owner->show();
    }
    void tearDown() override { owner.reset(); }

private slots:
    void summaryPrintsTitleListingAndDatedFooter()
    {
        if (!canReadPdf())
            QSKIP("poppler-utils is not installed");
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Persona%1  Sesso: F  Cittadinanza: Italiana").arg(i, 3, 10, QLatin1Char('0'));
        printSummary(owner.get(), QStringLiteral("Riepilogo schede anagrafiche in archivio"), lines);

        QCOMPARE(user->reports().size(), 1);
        const ScriptedInteraction::Report& printed = user->reports().first();
        QVERIFY(!printed.preview);
        QCOMPARE(printed.name, QStringLiteral("Riepilogo dati"));
        QCOMPARE(printed.pageCount, 3);
        const QList<PdfWord> words = pdfWords(printed.pdfPath);
        const QString first = pdfPageText(words, 0);
        const QString last = pdfPageText(words, 2);
        QVERIFY(first.startsWith(QStringLiteral("Riepilogo schede anagrafiche in archivio Persona001 Sesso: F")));
        QVERIFY(!first.contains(QStringLiteral("Stampa eseguita")));
        QVERIFY(!pdfPageText(words, 1).contains(QStringLiteral("Riepilogo")));
        QVERIFY(last.endsWith(QStringLiteral("Persona150 Sesso: F Cittadinanza: Italiana Stampa eseguita in data ")
            + formatShortDate(QDate::currentDate())));
        // The paper lies in landscape.
        const double titleCentre = (findWord(words, QStringLiteral("Riepilogo")).box.left()
                                       + findWord(words, QStringLiteral("archivio")).box.right())
            / 2;
        QVERIFY(qAbs(titleCentre - pointsFromMm(10 + 2 + 273.0 / 2)) < 1.5);
        QVERIFY(owner->isVisible());
        QVERIFY(user->messages().isEmpty());
    }

    void cancelledPrintSaysNothing()
    {
        user->queueReportOutcome(ReportOutcome::Cancelled);
        printSummary(owner.get(), QStringLiteral("Riepilogo foto in book fotografico"), { QStringLiteral("riga") });
        QCOMPARE(user->reports().size(), 1);
        QVERIFY(user->reports().first().pdfPath.isEmpty());
        QVERIFY(user->messages().isEmpty());
    }

    void failedPrintEndsAsAnUnexpectedError()
    {
        user->queueReportOutcome(ReportOutcome::Failed);
        printSummary(owner.get(), QStringLiteral("Riepilogo foto in book fotografico"), {});
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().first().kind, MessageKind::Error);
        QCOMPARE(user->messages().first().buttons, Buttons::Ok);
        QVERIFY(!user->messages().first().text.isEmpty());
    }
};

QTEST_MAIN(TestSummaryPrint)
#include "tst_summaryprint.moc"
