#include "compcard/AgencyLine.h"
#include "gui/books/TfrmBookDonne.h"
#include "gui/compcard/TfrmCompCard.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/CauseWords.h"
#include "support/DiskFaults.h"
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
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <cerrno>
#include <cmath>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString agencyNotSaved = QStringLiteral(
    "Attenzione: non è stato possibile salvare la riga dell'agenzia nella cartella del programma.\r\n\r\n"
    "La comp card la riporta ugualmente; la prossima volta andrà indicata di nuovo.");
const QString printFailed = QStringLiteral("Attenzione: la stampa della comp card non è andata a buon fine.\r\n\r\n"
                                           "Si consiglia di ridurre le dimensioni delle foto.");
const QString previewFailed
    = QStringLiteral("Attenzione: la visualizzazione dell'anteprima della comp card non è andata a buon fine.\r\n\r\n"
                     "Si consiglia di ridurre le dimensioni delle foto.");

constexpr int readDpi = 50;

bool isRed(const QColor& c)
{
    return c.red() > 200 && c.green() < 70 && c.blue() < 70;
}
bool isBlue(const QColor& c)
{
    return c.blue() > 200 && c.red() < 70 && c.green() < 70;
}
bool isGreen(const QColor& c)
{
    return c.green() > 200 && c.red() < 70 && c.blue() < 70;
}

// A rectangle of pixels at `readDpi` in millimetres from the page's corner.
QRectF millimetres(const QRect& pixels)
{
    const double mm = 25.4 / readDpi;
    return QRectF(pixels.left() * mm, pixels.top() * mm, pixels.width() * mm, pixels.height() * mm);
}

} // namespace

class TestCompCard : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<TfrmAnagrafica> editor;
    // What the window showed while it was open.
    QString shownAgencyLine;

    QString attachment(const QString& name) const
    {
        return programfolder::attachmentsFolderPath(dir->path()) + QLatin1Char('/') + name;
    }

    // Card 1 of the registry: a red portrait photo, and three attachments, of
    // which the first and the third are pictures (blue landscape, green portrait).
    void storeCard()
    {
        QStringList values(layouts::registry.fieldCount());
        const auto set = [&values](std::string_view name, const QString& value) {
            values[layouts::registry.indexOf(name)] = value;
        };
        set("Nome", QStringLiteral("Giulia Neri"));
        set("Sesso", QStringLiteral("F"));
        set("Cittadinanza", QStringLiteral("Italiana"));
        set("Altezza", QStringLiteral("178"));
        set("Peso", QStringLiteral("56"));
        set("Vita", QStringLiteral("62"));
        set("Fianchi", QStringLiteral("90"));
        set("Occhi", QStringLiteral("verdi"));
        set("Capelli", QStringLiteral("castani"));
        set("Taglia", QStringLiteral("40"));
        set("Scarpe", QStringLiteral("38"));
        set("CodFisc", QStringLiteral("NREGLI95A41F205X"));
        set("File01", QStringLiteral("blu.jpg"));
        set("File02", QStringLiteral("contratto.pdf"));
        set("File03", QStringLiteral("verde.png"));
        Archive(programfolder::registryArchivePath(dir->path()), layouts::registry).append(values);

        QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("Anagrafica"))));
        writeBytes(dir->filePath(QStringLiteral("Anagrafica/Scheda_1.jpg")),
            encodeJpeg(markedImage(QSize(300, 400), Qt::red), 95));
        QVERIFY(QDir().mkpath(programfolder::attachmentsFolderPath(dir->path())));
        writeBytes(attachment(QStringLiteral("blu.jpg")), encodeJpeg(markedImage(QSize(400, 300), Qt::blue), 95));
        writeBytes(attachment(QStringLiteral("contratto.pdf")), "%PDF-1.4\n");
        QVERIFY(markedImage(QSize(300, 450), Qt::green).save(attachment(QStringLiteral("verde.png"))));
    }

    void click(QToolButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    // The user opens the comp card, chooses the paper, may type the agency's line,
    // and leaves the window by one of its buttons.
    void printCompCard(OutputPress press, bool a4 = false, const QString& agencyLine = QString())
    {
        user->onDialog([=, this](QDialog& dialog) {
            auto* window = qobject_cast<TfrmCompCard*>(&dialog);
            QVERIFY(window);
            shownAgencyLine = named<QLineEdit>(window, "txtAgenzia")->text();
            if (a4)
                QTest::mouseClick(named<QRadioButton>(window, "optA4"), Qt::LeftButton);
            if (!agencyLine.isNull()) {
                named<QLineEdit>(window, "txtAgenzia")->clear();
                QTest::keyClicks(named<QLineEdit>(window, "txtAgenzia"), agencyLine);
            }
            QPushButton* button = press == OutputPress::Stampa ? named<QPushButton>(window, "btnStampa")
                : press == OutputPress::Anteprima              ? named<QPushButton>(window, "btnAnteprima")
                                                               : named<QPushButton>(window, "btnAnnulla");
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        click(named<QToolButton>(editor, "cmdCompCard"));
    }

    QString printedPdf() const { return user->reports().isEmpty() ? QString() : user->reports().constLast().pdfPath; }

    void setUp() override
    {
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        shownAgencyLine.clear();
    }
    void tearDown() override { editor.reset(); }

private slots:
    void compCardShowsThePhotoThePicturesTheNameAndTheMeasures()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        storeCard();
        click(named<QToolButton>(editor, "cmdPrimo"));
        // A change not saved yet is on the card all the same.
        named<QLineEdit>(editor.get(), QStringLiteral("txtScarpe"))->setText(QStringLiteral(" 39 "));
        printCompCard(OutputPress::Stampa, false, QStringLiteral("Agenzia Luce - Milano"));

        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmCompCard") });
        QCOMPARE(user->reports().size(), 1);
        QVERIFY(!user->reports().first().preview);
        QCOMPARE(user->reports().first().name, QStringLiteral("Comp card"));
        QCOMPARE(user->reports().first().pageCount, 1);
        QVERIFY(user->messages().isEmpty());

        // One A5 sheet in landscape.
        const QList<QSizeF> pages = pdfPageSizes(printedPdf());
        QCOMPARE(pages.size(), 1);
        QVERIFY(qAbs(pages.first().width() - pointsFromMm(210)) < 1);
        QVERIFY(qAbs(pages.first().height() - pointsFromMm(148)) < 1);

        // The photo and the two attached pictures; the document stays out.
        QCOMPARE(pdfImages(printedPdf()).size(), 3);
        const QImage page = pdfPageImage(printedPdf(), 0, readDpi);
        const QRectF red = millimetres(pixelBounds(page, page.rect(), isRed));
        const QRectF blue = millimetres(pixelBounds(page, page.rect(), isBlue));
        const QRectF green = millimetres(pixelBounds(page, page.rect(), isGreen));
        QVERIFY(!red.isEmpty() && !blue.isEmpty() && !green.isEmpty());
        // The photo large on the left, the pictures beside it in slot order, all
        // with their proportions.
        QVERIFY(red.left() < 14 && red.height() > 80);
        QVERIFY(blue.left() > red.right() && green.left() > blue.right());
        QVERIFY(qAbs(red.width() / red.height() - 0.75) < 0.06);
        QVERIFY(qAbs(blue.width() / blue.height() - 4.0 / 3) < 0.1);
        QVERIFY(qAbs(green.width() / green.height() - 2.0 / 3) < 0.06);
        QVERIFY(red.height() > green.height() - 2);

        const QList<PdfWord> words = pdfWords(printedPdf());
        const QString text = pdfPageText(words, 0);
        QVERIFY2(text.startsWith(QStringLiteral("Giulia Neri")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("ALTEZZA PESO VITA FIANCHI OCCHI CAPELLI TAGLIA SCARPE "
                                              "178 56 62 90 verdi castani 40 39 Agenzia Luce - Milano")),
            qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("NREGLI95A41F205X")));
        // The measures under the pictures, the agency's line at the foot.
        const PdfWord height = findWord(words, QStringLiteral("ALTEZZA"));
        QVERIFY(height.box.top() > pointsFromMm(red.bottom()));
        QVERIFY(findWord(words, QStringLiteral("178")).box.top() > height.box.bottom());
        QVERIFY(
            findWord(words, QStringLiteral("Agenzia")).box.top() > findWord(words, QStringLiteral("178")).box.bottom());

        // The line is kept for the next card.
        QCOMPARE(agencyline::read(dir->path()), QStringLiteral("Agenzia Luce - Milano"));
        QCOMPARE(
            readBytes(dir->filePath(QStringLiteral("Lumidex_Agenzia.txt"))), QByteArray("Agenzia Luce - Milano\n"));
    }

    void a4IsTheSameCardLarger()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        storeCard();
        click(named<QToolButton>(editor, "cmdPrimo"));
        printCompCard(OutputPress::Stampa);
        const QList<PdfWord> a5 = pdfWords(printedPdf());
        printCompCard(OutputPress::Stampa, true);
        const QList<PdfWord> a4 = pdfWords(printedPdf());

        const QList<QSizeF> pages = pdfPageSizes(printedPdf());
        QVERIFY(qAbs(pages.first().width() - pointsFromMm(297)) < 1);
        QVERIFY(qAbs(pages.first().height() - pointsFromMm(210)) < 1);
        QCOMPARE(pdfPageText(a4, 0), pdfPageText(a5, 0));
        for (const QString& word : { QStringLiteral("Giulia"), QStringLiteral("ALTEZZA"), QStringLiteral("38") }) {
            const QRectF small = findWord(a5, word).box;
            const QRectF large = findWord(a4, word).box;
            QVERIFY2(qAbs(large.left() - small.left() * std::sqrt(2.0)) < 4, qPrintable(word));
            QVERIFY2(qAbs(large.height() - small.height() * std::sqrt(2.0)) < 2, qPrintable(word));
        }
        QCOMPARE(pdfImages(printedPdf()).size(), 3);
    }

    void cardWithoutPicturesGivesThePhotoTheWidth()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        const QString photo = dir->filePath(QStringLiteral("panorama.jpg"));
        writeBytes(photo, encodeJpeg(markedImage(QSize(900, 300), Qt::red), 95));
        user->queueOpenFileName(photo);
        click(named<QToolButton>(editor, "btnCaricaFoto"));
        named<QLineEdit>(editor.get(), QStringLiteral("txtNome"))->setText(QStringLiteral("Marco Blu"));
        printCompCard(OutputPress::Stampa);

        QCOMPARE(pdfImages(printedPdf()).size(), 1);
        const QImage page = pdfPageImage(printedPdf(), 0, readDpi);
        const QRectF red = millimetres(pixelBounds(page, page.rect(), isRed));
        // The whole printable width, 194 mm, for a wide photo.
        QVERIFY2(red.width() > 185 && red.left() < 12, qPrintable(QString::number(red.width())));
    }

    void agencyLineIsSetOnceForEveryCard()
    {
        printCompCard(OutputPress::Anteprima, false, QStringLiteral("  Studio Iride, via Po 3 "));
        QCOMPARE(shownAgencyLine, QString());
        QCOMPARE(agencyline::read(dir->path()), QStringLiteral("Studio Iride, via Po 3"));
        QVERIFY(user->reports().constLast().preview);

        // The next time the window shows it; leaving with Annulla keeps it as it was.
        printCompCard(OutputPress::Annulla, false, QStringLiteral("Altro"));
        QCOMPARE(shownAgencyLine, QStringLiteral("Studio Iride, via Po 3"));
        QCOMPARE(agencyline::read(dir->path()), QStringLiteral("Studio Iride, via Po 3"));
        QCOMPARE(user->reports().size(), 1);

        printCompCard(OutputPress::Stampa);
        QCOMPARE(shownAgencyLine, QStringLiteral("Studio Iride, via Po 3"));
        QCOMPARE(user->reports().size(), 2);
        QVERIFY(user->messages().isEmpty());
    }

    void agencyLineThatCannotBeKeptIsSaidAndPrinted()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        // Something that is not a file stands where the line is kept.
        QVERIFY(QDir().mkpath(agencyline::filePath(dir->path())));
        printCompCard(OutputPress::Stampa, false, QStringLiteral("Agenzia Luce"));
        QCOMPARE(
            user->messageTexts(), QStringList { causewords::withCause(agencyNotSaved, causewords::folderInTheWay()) });
        QCOMPARE(user->messages().first().kind, MessageKind::Warning);
        QCOMPARE(user->reports().size(), 1);
        QVERIFY(pdfPageText(pdfWords(printedPdf()), 0).endsWith(QStringLiteral("Agenzia Luce")));
    }

    // The line fits in the page a nearly full disk may have left.
    void aFullDiskKeepsTheAgencyLine_data()
    {
        addDiskFaultRows(
            { DiskFault::NoRoomLeft, DiskFault::FileSizeLimit, DiskFault::SyncRefused, DiskFault::SyncRefusedNoRoom });
    }
    void aFullDiskKeepsTheAgencyLine()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        QVERIFY(agencyline::write(disk.path(), QStringLiteral("Studio Iride, via Po 3")));
        const QByteArray previous = readBytes(agencyline::filePath(disk.path()));
        editor = std::make_unique<TfrmAnagrafica>(disk.path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        // Nothing is printed: the printer's own files are not what this is about.
        user->queueReportOutcome(ReportOutcome::Cancelled);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));
        printCompCard(OutputPress::Stampa, false, QStringLiteral("Agenzia Luce, corso Italia 12"));
        disk.lift();

        QCOMPARE(shownAgencyLine, QStringLiteral("Studio Iride, via Po 3"));
        QCOMPARE(user->messageTexts(), QStringList { causewords::withCause(agencyNotSaved, diskFaultWords(fault)) });
        QCOMPARE(user->messages().first().kind, MessageKind::Warning);
        QCOMPARE(user->reports().size(), 1);
        QCOMPARE(readBytes(agencyline::filePath(disk.path())), previous);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("Lumidex_Agenzia.txt") });
    }

    void windowClosesWhateverTheOutcome_data()
    {
        QTest::addColumn<OutputPress>("press");
        QTest::addColumn<ReportOutcome>("outcome");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("reports");
        QTest::newRow("print cancelled") << OutputPress::Stampa << ReportOutcome::Cancelled << 0 << QString() << 1;
        QTest::newRow("print failed") << OutputPress::Stampa << ReportOutcome::Failed << 0 << printFailed << 1;
        // A print into a file on a full disk says so after the window's own words.
        QTest::newRow("print into a file on a full disk")
            << OutputPress::Stampa << ReportOutcome::Failed << int(ENOSPC)
            << printFailed + QStringLiteral("\r\n\r\nSpazio esaurito sul disco.") << 1;
        QTest::newRow("preview closed") << OutputPress::Anteprima << ReportOutcome::Done << 0 << QString() << 1;
        QTest::newRow("preview failed") << OutputPress::Anteprima << ReportOutcome::Failed << 0 << previewFailed << 1;
        QTest::newRow("annulla") << OutputPress::Annulla << ReportOutcome::Done << 0 << QString() << 0;
    }

    void windowClosesWhateverTheOutcome()
    {
        QFETCH(OutputPress, press);
        QFETCH(ReportOutcome, outcome);
        QFETCH(int, systemError);
        QFETCH(QString, message);
        QFETCH(int, reports);
        user->queueReportOutcome(outcome, FailureCause::fromSystem(systemError));
        printCompCard(press);
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(user->reports().size(), reports);
        QCOMPARE(user->messageTexts(), message.isEmpty() ? QStringList() : QStringList { message });
        if (!message.isEmpty())
            QCOMPARE(user->messages().first().buttons, Buttons::OkCancel);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void windowLooksAsTheUserExpects()
    {
        user->onDialog([this](QDialog& dialog) {
            auto* window = qobject_cast<TfrmCompCard*>(&dialog);
            QVERIFY(window);
            QCOMPARE(window->objectName(), QStringLiteral("frmCompCard"));
            QCOMPARE(window->windowTitle(), QStringLiteral(" Comp card"));
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QCOMPARE(window->parentWidget(), editor.get());
            QVERIFY(named<QRadioButton>(window, "optA5")->isChecked());
            QVERIFY(!named<QRadioButton>(window, "optA4")->isChecked());
            QCOMPARE(window->paper(), report::CompCardPaper::A5);
            QCOMPARE(named<QLineEdit>(window, "txtAgenzia")->maxLength(), 150);
            QCOMPARE(named<QPushButton>(window, "btnStampa")->text(), QStringLiteral("Stampa"));
            QCOMPARE(named<QPushButton>(window, "btnAnteprima")->text(), QStringLiteral("Mostra anteprima"));
            QCOMPARE(named<QAbstractButton>(window, "btnAnnulla")->text(), QStringLiteral("Annulla"));
            for (QWidget* control : QList<QWidget*> { named<QPushButton>(window, "btnStampa"),
                     named<QPushButton>(window, "btnAnteprima"), named<QAbstractButton>(window, "btnAnnulla"),
                     named<QRadioButton>(window, "optA5"), named<QRadioButton>(window, "optA4") }) {
                QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
                // Every text shows whole.
                const auto* button = qobject_cast<QAbstractButton*>(control);
                QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            }
            dialog.reject();
        });
        click(named<QToolButton>(editor, "cmdCompCard"));
        QCOMPARE(user->dialogsRun(), 1);
    }

    void onlyTheRegistryHasTheCompCard()
    {
        QToolButton* button = named<QToolButton>(editor.get(), QStringLiteral("cmdCompCard"));
        QCOMPARE(button, named<QToolButton>(editor, "cmdCompCard"));
        QCOMPARE(button->statusTip(), QStringLiteral("Stampa la comp card della scheda."));
        QVERIFY(button->toolTip().contains(QStringLiteral("Ctrl+Shift+P")));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(button->isVisible());
        // Beside print and preview.
        QVERIFY(button->mapTo(editor.get(), QPoint()).x()
            > named<QToolButton>(editor, "cmdAnteprima")->mapTo(editor.get(), QPoint()).x());
        QVERIFY(button->mapTo(editor.get(), QPoint()).x()
            < named<QToolButton>(editor, "cmdPrimo")->mapTo(editor.get(), QPoint()).x());
        QVERIFY(!editor->findChild<QToolButton*>(QStringLiteral("cmdProvino")));

        TfrmBookDonne book(dir->path());
        QVERIFY(!book.findChild<QToolButton*>(QStringLiteral("cmdCompCard")));
    }

    void ctrlShiftPOpensTheCompCard()
    {
        user->onDialog([](QDialog& dialog) { dialog.reject(); });
        QApplication::setActiveWindow(editor.get());
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QLineEdit* name = named<QLineEdit>(editor.get(), QStringLiteral("txtNome"));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmCompCard") });
    }
};

QTEST_MAIN(TestCompCard)
#include "tst_compcard.moc"
