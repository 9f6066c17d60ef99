#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/contactsheet/TfrmProvino.h"
#include "report/ContactSheetLayout.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/CauseWords.h"
#include "support/OutputPress.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString sheetPrintFailed = QStringLiteral("Attenzione: la stampa del provino non è andata a buon fine.");
const QString sheetPreviewFailed
    = QStringLiteral("Attenzione: la visualizzazione dell'anteprima del provino non è andata a buon fine.");

const QList<QColor> photoColours { Qt::red, Qt::blue, QColor(0, 160, 0), QColor(255, 140, 0) };

QColor averageColour(const QImage& image, const QRect& area)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

bool similar(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 20 && qAbs(a.green() - b.green()) < 20 && qAbs(a.blue() - b.blue()) < 20;
}

} // namespace

class TestContactSheet : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<BookEditor> editor;
    QString shownSummary;

    QString bookPath() const { return dir->filePath(QStringLiteral("Estate.men")); }
    QString photoPath(int position) const
    {
        return dir->filePath(QStringLiteral("Book_Uomini/Estate_Foto_%1.jpg").arg(position));
    }

    // A men's book "Estate" of `count` entries "Scatto01"..., shot on the day of
    // their number in June; each has a photo of its own colour but those listed
    // in `withoutPhoto`.
    void storeBook(int count, const QList<int>& withoutPhoto = {})
    {
        const Archive archive(bookPath(), layouts::book);
        QStringList values(layouts::book.fieldCount());
        for (int i = 1; i <= count; ++i) {
            values[layouts::book.indexOf("Titolo")] = QStringLiteral("Scatto%1").arg(i, 2, 10, QLatin1Char('0'));
            values[layouts::book.indexOf("Data")]
                = QStringLiteral("%1/06/2024").arg(i % 30 + 1, 2, 10, QLatin1Char('0'));
            values[layouts::book.indexOf("Location")] = QStringLiteral("Portofino");
            archive.append(values);
        }
        QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("Book_Uomini"))));
        for (int i = 1; i <= count; ++i)
            if (!withoutPhoto.contains(i))
                writeBytes(photoPath(i), encodeJpeg(markedImage(QSize(120, 90), photoColours.at(i % 4)), 90));
    }

    void openEditor()
    {
        auto book = std::make_unique<TfrmBookUomini>(dir->path());
        book->setBook(bookPath(), QStringLiteral("Estate"));
        editor = std::move(book);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }

    void printContactSheet(OutputPress press)
    {
        user->onDialog([=, this](QDialog& dialog) {
            auto* window = qobject_cast<TfrmProvino*>(&dialog);
            QVERIFY(window);
            shownSummary = named<QLabel>(window, "lblRiepilogo")->text();
            QPushButton* button = press == OutputPress::Stampa ? named<QPushButton>(window, "btnStampa")
                : press == OutputPress::Anteprima              ? named<QPushButton>(window, "btnAnteprima")
                                                               : named<QPushButton>(window, "btnAnnulla");
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdProvino"), Qt::LeftButton);
    }

    QString printedPdf() const { return user->reports().isEmpty() ? QString() : user->reports().constLast().pdfPath; }

    void setUp() override { shownSummary.clear(); }
    void tearDown() override { editor.reset(); }

private slots:
    void everyEntryPrintsUnderItsThumbnailPageByPage()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        storeBook(23, { 2, 22 });
        openEditor();
        printContactSheet(OutputPress::Stampa);

        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmProvino") });
        QCOMPARE(shownSummary, QStringLiteral("Estate: 23 foto, su 2 pagine."));
        QCOMPARE(user->reports().size(), 1);
        QCOMPARE(user->reports().first().name, QStringLiteral("Provino book fotografico"));
        QCOMPARE(user->reports().first().pageCount, 2);
        QVERIFY(user->messages().isEmpty());

        const QList<PdfWord> words = pdfWords(printedPdf());
        const QString first = pdfPageText(words, 0);
        const QString second = pdfPageText(words, 1);
        QVERIFY2(first.startsWith(QStringLiteral("Estate Pagina 1 di 2 ")), qPrintable(first));
        QVERIFY2(second.startsWith(QStringLiteral("Estate Pagina 2 di 2 ")), qPrintable(second));
        // A row of four reads position and date, then the titles.
        QVERIFY2(first.contains(QStringLiteral("N. 1 02/06/2024 N. 2 03/06/2024 N. 3 04/06/2024 N. 4 05/06/2024 "
                                               "Scatto01 Scatto02 Scatto03 Scatto04 ")),
            qPrintable(first));
        QVERIFY(second.endsWith(QStringLiteral("N. 21 22/06/2024 N. 22 23/06/2024 N. 23 24/06/2024 "
                                               "Scatto21 Scatto22 Scatto23")));
        for (int i = 1; i <= 23; ++i)
            QCOMPARE(findWord(words, QStringLiteral("Scatto%1").arg(i, 2, 10, QLatin1Char('0'))).page, i <= 20 ? 0 : 1);

        // Four to a row, five rows to a page, the header above them.
        const QRectF one = findWord(words, QStringLiteral("Scatto01")).box;
        const QRectF two = findWord(words, QStringLiteral("Scatto02")).box;
        const QRectF five = findWord(words, QStringLiteral("Scatto05")).box;
        const QRectF twenty = findWord(words, QStringLiteral("Scatto20")).box;
        QVERIFY(qAbs(two.top() - one.top()) < 0.5 && two.left() > one.right());
        QVERIFY(qAbs(five.left() - one.left()) < 0.5 && five.top() > one.bottom() + pointsFromMm(40));
        QVERIFY(twenty.bottom() < pointsFromMm(297 - 10));
        QVERIFY(findWord(words, QStringLiteral("Pagina"), 0).box.bottom() < one.top() - pointsFromMm(40));

        // A picture for every entry, placeholders included.
        QList<int> perPage { 0, 0 };
        for (const PdfImage& image : pdfImages(printedPdf()))
            ++perPage[image.page];
        QCOMPARE(perPage, QList<int>({ 20, 3 }));
    }

    void entriesWithoutAPhotoShowThePlaceholder()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        storeBook(3, { 2 });
        openEditor();
        printContactSheet(OutputPress::Stampa);

        // Where the pictures of entries 1 and 2 lie on the paper, at 100 dpi.
        const report::ContactSheetLayout layout = report::contactSheetLayout();
        QRectF box;
        for (const report::ReportObject& object : layout.cell)
            if (object.name == QLatin1String("imgFoto"))
                box = object.box;
        const auto pixels = [&](int index, const QSize& picture) {
            QRectF area = box.translated(layout.cellOrigin(index) + QPointF(10, 10));
            QSizeF fitted = QSizeF(picture).scaled(area.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(), fitted);
            target.moveCenter(area.center());
            const double scale = 100 / 25.4;
            return QRect(QPoint(int(target.left() * scale) + 3, int(target.top() * scale) + 3),
                QPoint(int(target.right() * scale) - 3, int(target.bottom() * scale) - 3));
        };
        const QImage page = pdfPageImage(printedPdf(), 0, 100);
        const QImage placeholder = editor->photo().placeholder();
        const QColor shown = averageColour(page, pixels(1, placeholder.size()));
        QVERIFY2(similar(shown, averageColour(placeholder, placeholder.rect())), qPrintable(shown.name()));
        // Entry 1 shows its own photo: blue, with its black mark in a corner.
        const QColor photo = averageColour(page, pixels(0, QSize(120, 90)));
        QVERIFY2(photo.blue() > 150 && photo.red() < 40, qPrintable(photo.name()));
    }

    void thumbnailsAreDecodedAtTheSizeTheyPrint()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        storeBook(2);
        // A camera's photo.
        writeBytes(photoPath(1), encodeJpeg(markedImage(QSize(6000, 4000), Qt::red), 80));
        openEditor();
        printContactSheet(OutputPress::Stampa);

        const QList<PdfImage> images = pdfImages(printedPdf());
        QCOMPARE(images.size(), 2);
        // A thumbnail's box is 44.5 x 40.5 mm, 351 x 319 pixels at the 200 dpi of
        // paper: the wide photo takes the whole width.
        QCOMPARE(images.first().size.width(), 351);
        QVERIFY(images.first().size.height() < 319);
        QCOMPARE(images.last().size, QSize(120, 90));
    }

    void emptyBookIsSaidWithoutAWindow()
    {
        storeBook(0);
        openEditor();
        printContactSheet(OutputPress::Stampa);
        QCOMPARE(user->dialogsRun(), 0);
        QCOMPARE(user->reports().size(), 0);
        QCOMPARE(user->messageTexts(), QStringList { QStringLiteral("L'archivio non contiene nessuna scheda.") });
        QCOMPARE(user->messages().first().kind, MessageKind::Information);
        QCOMPARE(user->messages().first().buttons, Buttons::OkCancel);
    }

    void bookThatCannotBeReadGetsTheArchiveMessage()
    {
        // Something that is not a file stands where the book should be.
        QVERIFY(QDir().mkpath(bookPath()));
        openEditor();
        printContactSheet(OutputPress::Stampa);
        QCOMPARE(user->dialogsRun(), 0);
        QCOMPARE(user->messageTexts(), QStringList { archiveAccessText(causewords::folderInTheWay()) });
        QCOMPARE(user->messages().first().kind, MessageKind::Error);
    }

    void windowClosesWhateverTheOutcome_data()
    {
        QTest::addColumn<OutputPress>("press");
        QTest::addColumn<ReportOutcome>("outcome");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("reports");
        QTest::newRow("preview") << OutputPress::Anteprima << ReportOutcome::Done << true << QString() << 1;
        QTest::newRow("preview failed") << OutputPress::Anteprima << ReportOutcome::Failed << true << sheetPreviewFailed
                                        << 1;
        QTest::newRow("print cancelled") << OutputPress::Stampa << ReportOutcome::Cancelled << false << QString() << 1;
        QTest::newRow("print failed") << OutputPress::Stampa << ReportOutcome::Failed << false << sheetPrintFailed << 1;
        QTest::newRow("annulla") << OutputPress::Annulla << ReportOutcome::Done << false << QString() << 0;
    }

    void windowClosesWhateverTheOutcome()
    {
        QFETCH(OutputPress, press);
        QFETCH(ReportOutcome, outcome);
        QFETCH(bool, preview);
        QFETCH(QString, message);
        QFETCH(int, reports);
        storeBook(1);
        openEditor();
        user->queueReportOutcome(outcome);
        printContactSheet(press);
        QCOMPARE(shownSummary, QStringLiteral("Estate: 1 foto, su 1 pagina."));
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(user->reports().size(), reports);
        if (reports)
            QCOMPARE(user->reports().first().preview, preview);
        QCOMPARE(user->messageTexts(), message.isEmpty() ? QStringList() : QStringList { message });
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Every page of a contact sheet reads its photos: the user sees the pages go
    // by, even one, and may stop after any of them, which is neither a failure
    // nor a print done.
    void pagesGoByAndAnnullaStopsAfterThePageInHand_data()
    {
        QTest::addColumn<OutputPress>("press");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("pagesPainted");
        const auto labels = [](const QString& words, int pages, int shown) {
            QStringList texts;
            for (int page = 1; page <= shown; ++page)
                texts << words.arg(page).arg(pages);
            return texts;
        };
        const QString printing = QStringLiteral("Stampa del provino in corso... pagina %1 di %2");
        const QString previewing = QStringLiteral("Preparazione dell'anteprima del provino... pagina %1 di %2");
        QTest::newRow("one page") << OutputPress::Stampa << 5 << 0 << labels(printing, 1, 1) << 1;
        QTest::newRow("three pages") << OutputPress::Stampa << 45 << 0 << labels(printing, 3, 3) << 3;
        QTest::newRow("preview") << OutputPress::Anteprima << 45 << 0 << labels(previewing, 3, 3) << 3;
        QTest::newRow("print stopped after the first page")
            << OutputPress::Stampa << 45 << 1 << labels(printing, 3, 1) << 1;
        QTest::newRow("preview stopped after the second page")
            << OutputPress::Anteprima << 45 << 2 << labels(previewing, 3, 2) << 2;
    }

    void pagesGoByAndAnnullaStopsAfterThePageInHand()
    {
        QFETCH(OutputPress, press);
        QFETCH(int, entries);
        QFETCH(int, cancelAt);
        QFETCH(QStringList, labels);
        QFETCH(int, pagesPainted);
        storeBook(entries);
        openEditor();
        if (cancelAt > 0)
            user->cancelWorkAt(cancelAt);
        printContactSheet(press);

        QCOMPARE(user->works().size(), 1);
        const ScriptedInteraction::Work& work = user->works().first();
        QCOMPARE(work.labels, labels);
        QCOMPARE(work.maximum, qint64((entries + 19) / 20));
        QCOMPARE(work.done, qint64(pagesPainted));
        QCOMPARE(work.cancelled, cancelAt > 0);
        QVERIFY(user->messages().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
        LUMIDEX_REQUIRE_PDF_READER();
        QCOMPARE(pdfPageSizes(printedPdf()).size(), pagesPainted);
    }

    void eachBookEditorHasTheButton_data()
    {
        QTest::addColumn<bool>("men");
        QTest::newRow("men") << true;
        QTest::newRow("women") << false;
    }

    void eachBookEditorHasTheButton()
    {
        QFETCH(bool, men);
        std::unique_ptr<BookEditor> book;
        if (men)
            book = std::make_unique<TfrmBookUomini>(dir->path());
        else
            book = std::make_unique<TfrmBookDonne>(dir->path());
        book->show();
        QVERIFY(QTest::qWaitForWindowExposed(book.get()));
        QToolButton* button = named<QToolButton>(book.get(), QStringLiteral("cmdProvino"));
        QCOMPARE(button, named<QToolButton>(book, "cmdProvino"));
        QCOMPARE(button->statusTip(), QStringLiteral("Stampa il provino del book fotografico."));
        QVERIFY(button->toolTip().contains(QStringLiteral("Ctrl+Shift+P")));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(button->isVisible());
        const auto x = [&](QWidget* w) { return w->mapTo(book.get(), QPoint()).x(); };
        QVERIFY(x(button) > x(named<QToolButton>(book, "cmdStampa"))
            && x(button) < x(named<QToolButton>(book, "cmdPrimo")));
    }

    void ctrlShiftPOpensTheContactSheet()
    {
        storeBook(1);
        openEditor();
        user->onDialog([](QDialog& dialog) { dialog.reject(); });
        QApplication::setActiveWindow(editor.get());
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QLineEdit* title = named<QLineEdit>(editor.get(), QStringLiteral("txtTitolo"));
        title->setFocus();
        QTest::keyClick(title, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmProvino") });
    }
};

QTEST_MAIN(TestContactSheet)
#include "tst_contactsheet.moc"
