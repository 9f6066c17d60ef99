#include "gui/editor/CardEditor.h"
#include "gui/print/CardPrintWindow.h"
#include "gui/print/TfrmAnteprimaAnagrafica.h"
#include "gui/print/TfrmStampaAnagrafica.h"
#include "support/CauseWords.h"
#include "support/EditorFixture.h"
#include "support/OutputPress.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <cerrno>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString printMessage = QStringLiteral(
    "Attenzione: la stampa non è andata a buon fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
const QString previewMessage
    = QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\r"
                     "Si consiglia di ridurre le dimensioni della foto.");

} // namespace

class TestCardPrint : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<CardEditor> editor;
    // What the handler saw of the card window while it showed.
    QImage shownLogo;
    bool logoLabelFilled = false;

    void open(ArchiveKind kind)
    {
        editor = makeEditor(kind, dir->path(), QStringLiteral("Estate"));
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    QLineEdit* edit(const char* name) const { return named<QLineEdit>(editor.get(), QString::fromLatin1(name)); }
    void click(QToolButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    // The card windows answer like a user: look, then press a button.
    void pressOnShow(OutputPress press)
    {
        user->onDialog([this, press](QDialog& dialog) {
            auto* window = qobject_cast<CardPrintWindow*>(&dialog);
            QVERIFY(window);
            shownLogo = window->logo();
            logoLabelFilled = !named<QLabel>(window, "imgLogo")->pixmap().isNull();
            QTest::mouseClick(press == OutputPress::Stampa ? named<QPushButton>(window, "btnStampa")
                                                           : named<QAbstractButton>(window, "btnAnnulla"),
                Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
    }
    QList<PdfWord> printedWords() const
    {
        if (user->reports().isEmpty() || user->reports().constLast().pdfPath.isEmpty())
            return {};
        return pdfWords(user->reports().constLast().pdfPath);
    }

    void setUp() override
    {
        shownLogo = QImage();
        logoLabelFilled = false;
    }
    void tearDown() override { editor.reset(); }

private slots:
    void eachEditorOpensItsOwnWindow_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("reportName");
        QTest::newRow("registry print") << ArchiveKind::Registry << false << "lumidex::TfrmStampaAnagrafica"
                                        << "Scheda anagrafica";
        QTest::newRow("registry preview") << ArchiveKind::Registry << true << "lumidex::TfrmAnteprimaAnagrafica"
                                          << "Scheda anagrafica";
        QTest::newRow("men print") << ArchiveKind::MenBook << false << "lumidex::TfrmStampaBookUomini"
                                   << "Scheda book fotografico";
        QTest::newRow("men preview") << ArchiveKind::MenBook << true << "lumidex::TfrmAnteprimaBookUomini"
                                     << "Scheda book fotografico";
        QTest::newRow("women print") << ArchiveKind::WomenBook << false << "lumidex::TfrmStampaBookDonne"
                                     << "Scheda book fotografico";
        QTest::newRow("women preview") << ArchiveKind::WomenBook << true << "lumidex::TfrmAnteprimaBookDonne"
                                       << "Scheda book fotografico";
    }

    void eachEditorOpensItsOwnWindow()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(bool, preview);
        QFETCH(QString, className);
        QFETCH(QString, reportName);
        open(kind);
        user->onDialog([&](QDialog& dialog) {
            auto* window = qobject_cast<CardPrintWindow*>(&dialog);
            QVERIFY(window);
            QCOMPARE(window->objectName(), className.mid(QStringLiteral("lumidex::T").size()));
            QCOMPARE(window->windowTitle(),
                preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda"));
            QCOMPARE(window->size(), QSize(364, 287));
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(window->parentWidget(), editor.get());
            QCOMPARE(named<QFrame>(window, QStringLiteral("panSfondo"))->geometry(), QRect(18, 18, 326, 215));
            QCOMPARE(named<QFrame>(window, QStringLiteral("shpBarra"))->height(), preview ? 6 : 4);
            auto* annulla = named<QPushButton>(window, QStringLiteral("btnAnnulla"));
            auto* stampa = named<QPushButton>(window, QStringLiteral("btnStampa"));
            QCOMPARE(annulla->text(), QStringLiteral("Annulla"));
            QCOMPARE(stampa->text(), preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"));
            QCOMPARE(annulla->geometry(), QRect(18, 243, 145, 28));
            QCOMPARE(stampa->geometry(), QRect(200, 243, 145, 28));
            QCOMPARE(stampa->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(stampa->font().family(), QStringLiteral("Verdana"));
            QVERIFY(named<QLabel>(window, QStringLiteral("imgLogo"))->isHidden());
            auto* temp = named<QLabel>(window, QStringLiteral("imgTemp"));
            QVERIFY(temp->isHidden());
            QCOMPARE(temp->pixmap().size(), QSize(297, 184));
            QTest::mouseClick(stampa, Qt::LeftButton);
        });
        click(preview ? named<QToolButton>(editor, "cmdAnteprima") : named<QToolButton>(editor, "cmdStampa"));

        QCOMPARE(user->dialogClasses(), QStringList { className });
        QCOMPARE(user->reports().size(), 1);
        QCOMPARE(user->reports().first().preview, preview);
        QCOMPARE(user->reports().first().name, reportName);
        QCOMPARE(user->reports().first().pageCount, 1);
        QVERIFY(user->messages().isEmpty());
    }

    void registryPrintsWhatTheEditorShowsTrimmed()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        open(ArchiveKind::Registry);
        // Typed and never saved.
        edit("txtNome")->setText(QStringLiteral("  Anna Rossi "));
        edit("txtLuogoNasc")->setText(QStringLiteral("   Milano"));
        edit("txtLingue")->setText(QStringLiteral("Inglese "));
        edit("txtNote")->setText(QStringLiteral("[Nome] il [DATE]"));
        pressOnShow(OutputPress::Stampa);
        click(named<QToolButton>(editor, "cmdStampa"));

        const QList<PdfWord> words = printedWords();
        const PdfWord milano = findWord(words, QStringLiteral("Milano"));
        QVERIFY(!milano.text.isEmpty());
        // Leading blanks would push the value to the right of its box's inset.
        QVERIFY(qAbs(milano.box.left() - pointsFromMm(10 + 1 + 1)) < 1.5);
        QVERIFY(!findWord(words, QStringLiteral("Inglese")).text.isEmpty());
        QVERIFY(pdfPageText(words, 0).contains(QStringLiteral("[Nome] il [DATE]")));
        QVERIFY(pdfPageText(words, 0).startsWith(QStringLiteral("Anna Rossi LUOGO DI NASCITA")));
        // The editor keeps its card as it was.
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("  Anna Rossi "));
        QVERIFY(named<QLabel>(editor, "lblPosizione")->text().isEmpty());
    }

    void bookEntryPrintsBookNameAndShootingDate_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("header");
        QTest::newRow("men") << ArchiveKind::MenBook << "07/03/2024"
                             << "Estate Data scatto: 07/03/2024 Tramonto";
        QTest::newRow("women, no date") << ArchiveKind::WomenBook << ""
                                        << "Estate Data scatto: Tramonto";
    }

    void bookEntryPrintsBookNameAndShootingDate()
    {
        LUMIDEX_REQUIRE_PDF_READER();
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, date);
        QFETCH(QString, header);
        open(kind);
        edit("txtTitolo")->setText(QStringLiteral(" Tramonto "));
        edit("txtData")->setText(date);
        edit("txtLocation")->setText(QStringLiteral("Portofino"));
        pressOnShow(OutputPress::Stampa);
        click(named<QToolButton>(editor, "cmdStampa"));

        const QString text = pdfPageText(printedWords(), 0);
        QVERIFY2(text.startsWith(header), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("LOCATION FOTOGRAFO Portofino")));
    }

    void photoIsTheOneTheEditorShows()
    {
        open(ArchiveKind::Registry);
        // A new card shows the placeholder: that is what prints.
        pressOnShow(OutputPress::Stampa);
        click(named<QToolButton>(editor, "cmdStampa"));
        QCOMPARE(shownLogo, editor->photo().image());
        QVERIFY(logoLabelFilled);

        const QString photo = dir->filePath(QStringLiteral("ritratto.jpg"));
        writeBytes(photo, encodeJpeg(markedImage(QSize(120, 200), Qt::red), 95));
        user->queueOpenFileName(photo);
        click(named<QToolButton>(editor, "btnCaricaFoto"));
        click(named<QToolButton>(editor, "cmdAnteprima"));
        QCOMPARE(shownLogo.size(), QSize(120, 200));
        QCOMPARE(shownLogo, editor->photo().image());
        QCOMPARE(user->reports().size(), 2);
        QVERIFY(user->messages().isEmpty());
    }

    void stockPictureStandsInForAPhotoThatCannotBeTaken()
    {
        TfrmStampaAnagrafica window;
        window.setCard(report::CardValues { {}, QString(), QImage() });
        user->onDialog([this](QDialog& dialog) {
            shownLogo = static_cast<CardPrintWindow&>(dialog).logo();
            dialog.reject();
        });
        user->runDialog(window);
        QCOMPARE(shownLogo.size(), QSize(297, 184));
        QCOMPARE(shownLogo, named<QLabel>(&window, "imgTemp")->pixmap().toImage().convertToFormat(shownLogo.format()));
    }

    // A photo that cannot be brought down to what its box prints (a picture too
    // large for the memory at hand) is no reason to print another picture in its
    // place: the print fails with the window's warning, and nothing is printed.
    void aPhotoThatCannotBeMadeReadyFailsThePrint_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("message");
        QTest::newRow("print") << false << printMessage;
        QTest::newRow("preview") << true << previewMessage;
    }
    void aPhotoThatCannotBeMadeReadyFailsThePrint()
    {
        QFETCH(bool, preview);
        QFETCH(QString, message);
        // A hundred million pixels a row: reducing it needs a picture wider than
        // any the program may make.
        QImage photo(100'000'000, 2, QImage::Format_Mono);
        QVERIFY(!photo.isNull());
        photo.fill(1);
        QTest::ignoreMessage(QtWarningMsg, "QImage: out of memory, returning null image");
        std::unique_ptr<CardPrintWindow> window;
        if (preview)
            window = std::make_unique<TfrmAnteprimaAnagrafica>();
        else
            window = std::make_unique<TfrmStampaAnagrafica>();
        window->setCard(report::CardValues { {}, QString(), photo });
        bool taken = true;
        user->onDialog([&](QDialog& dialog) {
            taken = static_cast<CardPrintWindow&>(dialog).photoTaken();
            QTest::mouseClick(named<QPushButton>(&static_cast<CardPrintWindow&>(dialog), "btnStampa"), Qt::LeftButton);
        });
        user->runDialog(*window);
        QVERIFY(!taken);
        QVERIFY(user->reports().isEmpty());
        QCOMPARE(user->messages(), onlyMessage(MessageKind::Warning, message, Buttons::OkCancel));
        QVERIFY(!window->isVisible());
    }

    // Printed into a file, the card takes the place of the file that was there
    // only once it is whole; a file that cannot be written fails the print.
    void printIntoAFile_data()
    {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("written") << false;
        QTest::newRow("a folder in the file's place") << true;
    }
    void printIntoAFile()
    {
        QFETCH(bool, folderInItsPlace);
        open(ArchiveKind::Registry);
        edit("txtNome")->setText(QStringLiteral("Anna Rossi"));
        const QString target = dir->filePath(QStringLiteral("scheda.pdf"));
        const QByteArray previous("%PDF-1.4 la scheda di ieri\n%%EOF\n");
        if (folderInItsPlace)
            QVERIFY(QDir().mkdir(target));
        else
            writeBytes(target, previous);
        user->printIntoFile(target);
        pressOnShow(OutputPress::Stampa);
        click(named<QToolButton>(editor, "cmdStampa"));

        QCOMPARE(user->reports().size(), 1);
        if (folderInItsPlace) {
            QCOMPARE(user->messages(),
                onlyMessage(MessageKind::Warning, causewords::withCause(printMessage, causewords::folderInTheWay()),
                    Buttons::OkCancel));
            QVERIFY(QFileInfo(target).isDir());
            return;
        }
        QVERIFY(user->messages().isEmpty());
        const QByteArray written = readBytes(target);
        QVERIFY(written.startsWith("%PDF-"));
        QVERIFY(written != previous);
        if (!canReadPdf())
            QSKIP("poppler-utils is not installed");
        QVERIFY(pdfPageText(pdfWords(target), 0).startsWith(QStringLiteral("Anna Rossi LUOGO DI NASCITA")));
    }

    // A failure whose cause is known says it after the window's own words.
    void aFailureWithItsCauseSaysIt()
    {
        open(ArchiveKind::MenBook);
        user->queueReportOutcome(ReportOutcome::Failed, FailureCause::fromSystem(ENOSPC));
        pressOnShow(OutputPress::Stampa);
        click(named<QToolButton>(editor, "cmdStampa"));
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Warning, printMessage + QStringLiteral("\r\n\r\nSpazio esaurito sul disco."),
                Buttons::OkCancel));
    }

    void cameraSizedPhotoPrintsReducedAndWithoutFailure()
    {
        // 45 megapixels, as a camera takes them.
        QImage photo(8200, 5500, QImage::Format_RGB32);
        QVERIFY(!photo.isNull());
        photo.fill(QColor(30, 90, 160));
        TfrmStampaAnagrafica window;
        window.setCard(report::CardValues { {}, QString(), photo });
        pressOnShow(OutputPress::Stampa);
        user->runDialog(window);
        // The box is 188 x 140 mm; 300 dpi are all a photo needs on paper.
        QVERIFY(shownLogo.width() <= 2221 && shownLogo.height() <= 1654);
        QVERIFY(shownLogo.width() > 2000);
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(user->reports().size(), 1);
        QVERIFY(QFileInfo(user->reports().first().pdfPath).size() < 20 * 1024 * 1024);
    }

    void windowClosesWhateverTheOutcome_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<OutputPress>("press");
        QTest::addColumn<ReportOutcome>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("reports");
        QTest::newRow("print cancelled") << false << OutputPress::Stampa << ReportOutcome::Cancelled << QString() << 1;
        QTest::newRow("print failed") << false << OutputPress::Stampa << ReportOutcome::Failed << printMessage << 1;
        QTest::newRow("preview failed") << true << OutputPress::Stampa << ReportOutcome::Failed << previewMessage << 1;
        QTest::newRow("preview closed") << true << OutputPress::Stampa << ReportOutcome::Done << QString() << 1;
        QTest::newRow("annulla") << false << OutputPress::Annulla << ReportOutcome::Done << QString() << 0;
    }

    void windowClosesWhateverTheOutcome()
    {
        QFETCH(bool, preview);
        QFETCH(OutputPress, press);
        QFETCH(ReportOutcome, outcome);
        QFETCH(QString, message);
        QFETCH(int, reports);
        open(ArchiveKind::MenBook);
        edit("txtTitolo")->setText(QStringLiteral("Tramonto"));
        user->queueReportOutcome(outcome);
        // Either answer to the warning leads to the same end.
        user->queueAnswer(Answer::Cancel);
        pressOnShow(press);
        click(preview ? named<QToolButton>(editor, "cmdAnteprima") : named<QToolButton>(editor, "cmdStampa"));

        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(user->reports().size(), reports);
        if (message.isEmpty()) {
            QVERIFY(user->messages().isEmpty());
        } else {
            QCOMPARE(user->messages().size(), 1);
            QCOMPARE(user->messages().first().kind, MessageKind::Warning);
            QCOMPARE(user->messages().first().text, message);
            QCOMPARE(user->messages().first().buttons, Buttons::OkCancel);
        }
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Tramonto"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void ctrlPOpensThePrintWindow()
    {
        open(ArchiveKind::Registry);
        pressOnShow(OutputPress::Annulla);
        QApplication::setActiveWindow(editor.get());
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        edit("txtNome")->setFocus();
        QTest::keyClick(edit("txtNome"), Qt::Key_P, Qt::ControlModifier);
        // A shortcut presses its button visibly, which takes a moment.
        QTRY_COMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmStampaAnagrafica") });
    }
};

QTEST_MAIN(TestCardPrint)
#include "tst_cardprint.moc"
