#include "common/Formatting.h"
#include "gui/print/SummaryPrint.h"
#include "support/CauseWords.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

QStringList listing(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Persona%1  Sesso: F").arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

QString progressLabel(int page, int pages)
{
    return QStringLiteral("Stampa in corso... pagina %1 di %2").arg(page).arg(pages);
}

} // namespace

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
        LUMIDEX_REQUIRE_PDF_READER();
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

    // 53 lines under the title, then 56 a page: 2,700 lines take 49 pages and
    // 2,900 take 52, over the fifty that print without a word.
    void longSummarySaysHowManyPagesFirst_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("question");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("49 pages") << 2700 << 49 << QString() << Answer::Yes << true;
        const QString question = QStringLiteral("Il riepilogo di 2.900 righe occupa 52 pagine.\r\n\r\n"
                                                "Procedere con la stampa?");
        QTest::newRow("52 pages, yes") << 2900 << 52 << question << Answer::Yes << true;
        QTest::newRow("52 pages, no") << 2900 << 52 << question << Answer::No << false;
    }

    void longSummarySaysHowManyPagesFirst()
    {
        QFETCH(int, lines);
        QFETCH(int, pages);
        QFETCH(QString, question);
        QFETCH(Answer, answer);
        QFETCH(bool, printed);
        user->queueAnswer(answer);
        // The print dialog is left with Annulla: what counts is that it was reached.
        user->queueReportOutcome(ReportOutcome::Cancelled);
        printSummary(owner.get(), QStringLiteral("Riepilogo schede anagrafiche in archivio"), listing(lines));

        QCOMPARE(user->messages(),
            question.isEmpty() ? QList<ScriptedInteraction::Message>()
                               : onlyMessage(MessageKind::Confirmation, question, Buttons::YesNo));
        QCOMPARE(user->reports().size(), printed ? 1 : 0);
        if (printed)
            QCOMPARE(user->reports().first().pageCount, pages);
    }

    // 270 lines take five pages; three pages print in a moment and show nothing.
    void pagesGoByAndAnnullaStopsAfterThePageInHand_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("pageEnds");
        QTest::newRow("three pages") << 150 << 0 << QStringList()
                                     << QStringList { "Persona0053 Sesso: F", "Persona0109 Sesso: F",
                                            QStringLiteral("Stampa eseguita in data ")
                                                + formatShortDate(QDate::currentDate()) };
        QStringList fivePages;
        for (int page = 1; page <= 5; ++page)
            fivePages << progressLabel(page, 5);
        QTest::newRow("five pages") << 270 << 0 << fivePages
                                    << QStringList { "Persona0053 Sesso: F", "Persona0109 Sesso: F",
                                           "Persona0165 Sesso: F", "Persona0221 Sesso: F",
                                           QStringLiteral("Stampa eseguita in data ")
                                               + formatShortDate(QDate::currentDate()) };
        QTest::newRow("Annulla during the second page")
            << 270 << 2 << fivePages.mid(0, 2)
            << QStringList { QStringLiteral("Persona0053 Sesso: F"), QStringLiteral("Persona0109 Sesso: F") };
    }

    void pagesGoByAndAnnullaStopsAfterThePageInHand()
    {
        QFETCH(int, lines);
        QFETCH(int, cancelAt);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, pageEnds);
        if (cancelAt > 0)
            user->cancelWorkAt(cancelAt);
        printSummary(owner.get(), QStringLiteral("Riepilogo foto in book fotografico"), listing(lines));

        if (labels.isEmpty()) {
            QVERIFY(user->works().isEmpty());
        } else {
            QCOMPARE(user->works().size(), 1);
            const ScriptedInteraction::Work& work = user->works().first();
            QCOMPARE(work.labels, labels);
            QCOMPARE(work.maximum, 5);
            QCOMPARE(work.done, qint64(pageEnds.size()));
            QCOMPARE(work.cancelled, cancelAt > 0);
        }
        // A print the user stopped is neither a failure nor news.
        QVERIFY(user->messages().isEmpty());
        QVERIFY(owner->isVisible());
        LUMIDEX_REQUIRE_PDF_READER();
        // The pages printed are whole, down to their last line.
        const QList<PdfWord> words = pdfWords(user->reports().first().pdfPath);
        QStringList ends;
        for (int page = 0; !pdfPageText(words, page).isEmpty(); ++page)
            ends << pdfPageText(words, page).right(pageEnds.value(page).size());
        QCOMPARE(ends, pageEnds);
    }

    // The user printed into a file that was already there. "Annulla" during
    // the pages keeps that file as it was, byte for byte; a print to its end
    // puts the whole summary in its place.
    void printIntoAFileReplacesItOnlyWhenWhole_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::newRow("Annulla during the second page") << 2;
        QTest::newRow("Annulla with one page to go") << 4;
        QTest::newRow("every page") << 0;
    }
    void printIntoAFileReplacesItOnlyWhenWhole()
    {
        QFETCH(int, cancelAt);
        const QString target = dir->filePath(QStringLiteral("riepilogo.pdf"));
        const QByteArray previous("%PDF-1.4 il riepilogo di ieri\n%%EOF\n");
        writeBytes(target, previous);
        user->printIntoFile(target);
        if (cancelAt > 0)
            user->cancelWorkAt(cancelAt);
        printSummary(owner.get(), QStringLiteral("Riepilogo foto in book fotografico"), listing(270));

        QVERIFY(user->messages().isEmpty());
        QCOMPARE(user->reports().size(), 1);
        QCOMPARE(user->reports().first().pdfPath, target);
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("riepilogo.pdf") });
        if (cancelAt > 0) {
            QCOMPARE(readBytes(target), previous);
            return;
        }
        const QByteArray written = readBytes(target);
        QVERIFY(written.startsWith("%PDF-"));
        if (!canReadPdf())
            QSKIP("poppler-utils is not installed");
        const QList<PdfWord> words = pdfWords(target);
        QVERIFY(pdfPageText(words, 4).endsWith(
            QStringLiteral("Stampa eseguita in data ") + formatShortDate(QDate::currentDate())));
    }

    // A file that cannot take the summary (a folder stands in its place) is a
    // failed print, told as any failure nobody expected.
    void aFileThatCannotBeWrittenIsAFailedPrint()
    {
        const QString target = dir->filePath(QStringLiteral("riepilogo.pdf"));
        QVERIFY(QDir().mkdir(target));
        user->printIntoFile(target);
        printSummary(owner.get(), QStringLiteral("Riepilogo foto in book fotografico"), listing(10));
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().first().kind, MessageKind::Error);
        QCOMPARE(user->messages().first().text,
            causewords::withCause(
                QStringLiteral("Stampa del riepilogo non riuscita: la stampante non ha accettato le pagine di "
                               "\"Riepilogo dati\"."),
                causewords::folderInTheWay()));
        QVERIFY(QFileInfo(target).isDir());
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
