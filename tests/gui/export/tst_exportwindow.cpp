#include "support/CauseWords.h"
#include "support/ExportFixtures.h"

#include "export/ExportRecords.h"
#include "gui/export/ExportGrid.h"
#include "gui/export/TfrmExpAnagrafica.h"
#include "gui/export/TfrmExpBookDonne.h"
#include "gui/export/TfrmExpBookUomini.h"
#include "gui/shell/TfrmGuida.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/DiskFaults.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <fcntl.h>
#include <map>

using namespace lumidex;
using namespace lumidex::test;
using namespace lumidex::test::exportfixture;

namespace {

enum class Window { Registry, Men, Women };

const QString askText
    = QString::fromUtf8("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                        "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati "
                        "adesso?");
const QString doneText = QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole "
                                        "aprire il file di Excel?");
const QString failedText = QString::fromUtf8("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                             "Accertarsi che il file di Excel non sia già aperto.");

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestExportWindow : public ScriptedTestCase {
    Q_OBJECT

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    QString registryPath() const { return path(QStringLiteral("Archivio_Anagrafico.pro")); }
    QString menBook() const { return path(QStringLiteral("Sfilata estiva.men")); }
    QString womenBook() const { return path(QStringLiteral("Campagna autunno.wmn")); }

    std::unique_ptr<ExportWindow> window(Window which) const
    {
        switch (which) {
        case Window::Registry:
            return std::make_unique<TfrmExpAnagrafica>(dir->path());
        case Window::Men:
            return std::make_unique<TfrmExpBookUomini>(dir->path(), menBook());
        case Window::Women:
            return std::make_unique<TfrmExpBookDonne>(dir->path(), womenBook());
        }
        return {};
    }

    // Runs `act` on the export window that `cmdEsporta` of the editor opens.
    void exportFrom(CardEditor& editor, const std::function<void(ExportWindow&)>& act)
    {
        bool ran = false;
        user->onDialog([&](QDialog& dialog) {
            if (auto* export_ = qobject_cast<ExportWindow*>(&dialog)) {
                ran = true;
                act(*export_);
            }
        });
        click(named<QToolButton>(&editor, "cmdEsporta"));
        QVERIFY(ran);
    }

    QList<QStringList> gridOf(const ExportWindow& window) const
    {
        QList<QStringList> rows;
        const QAbstractItemModel* model = named<ExportGrid>(&window, "grdRecords")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->index(row, column).data().toString();
            rows << texts;
        }
        return rows;
    }

private slots:

    void looksTheSameForEveryKind_data()
    {
        QTest::addColumn<Window>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("registry") << Window::Registry << "frmExpAnagrafica"
                                  << " Esporta archivio anagrafico in Microsoft Excel" << 26 << registryGridWidths();
        QTest::newRow("men") << Window::Men << "frmExpBookUomini"
                             << " Esporta book fotografico in Microsoft Excel" << 13 << bookGridWidths();
        QTest::newRow("women") << Window::Women << "frmExpBookDonne"
                               << " Esporta book fotografico in Microsoft Excel" << 13 << bookGridWidths();
    }
    void looksTheSameForEveryKind()
    {
        QFETCH(Window, which);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, columns);
        QFETCH(QList<int>, widths);
        auto frm = window(which);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        QCOMPARE(frm->objectName(), name);
        QCOMPARE(frm->windowTitle(), caption);
        QCOMPARE(frm->size(), QSize(862, 560));
        QCOMPARE(frm->minimumSize(), frm->maximumSize());
        QVERIFY(!(frm->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(frm->isModal());

        auto* grid = named<ExportGrid>(frm.get(), QStringLiteral("grdRecords"));
        QCOMPARE(grid->size(), QSize(821, 409));
        QVERIFY(grid->alternatingRowColors());
        QVERIFY(grid->verticalHeader()->isHidden());
        QCOMPARE(grid->rowHeight(0), 21);
        QCOMPARE(grid->model()->columnCount(), columns);
        for (int column = 0; column < columns; ++column)
            QCOMPARE(grid->columnWidth(column), widths.at(column));
        // A new grid over an empty archive: ten empty rows.
        QCOMPARE(gridOf(*frm), QList<QStringList>(10, QStringList(columns)));

        QCOMPARE(named<QLabel>(frm.get(), QStringLiteral("panInfo"))->text(),
            QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QVERIFY(!named<QLabel>(frm.get(), QStringLiteral("imgBanner"))->pixmap().isNull());
        const QList<std::pair<QString, QString>> buttons {
            { QStringLiteral("cmdEsporta"), QStringLiteral("Esporta l'archivio in formato Microsoft Excel.") },
            { QStringLiteral("cmdGuida"), QStringLiteral("Visualizza la pagina della guida sensibile al contesto.") },
            { QStringLiteral("cmdEsci"), QStringLiteral("Esci da questo ambiente di lavoro.") },
        };
        for (const auto& [buttonName, status] : buttons) {
            auto* button = named<QToolButton>(frm.get(), buttonName);
            QCOMPARE(button->statusTip(), status);
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(user->messages().size(), 0);
    }

    void statusLineExplainsTheButtons()
    {
        auto frm = window(Window::Registry);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        const QList<std::pair<QToolButton*, QString>> buttons {
            { named<QToolButton>(frm, "cmdEsporta"), "Esporta l'archivio in formato Microsoft Excel." },
            { named<QToolButton>(frm, "cmdGuida"), "Visualizza la pagina della guida sensibile al contesto." },
            { named<QToolButton>(frm, "cmdEsci"), "Esci da questo ambiente di lavoro." },
        };
        for (const auto& [button, text] : buttons) {
            QTest::mouseMove(button);
            QCOMPARE(named<QLabel>(frm, "panInfo")->text(), text);
            // Moving on over the button keeps its explanation.
            QTest::mouseMove(button, button->rect().center() + QPoint(3, 2));
            QCOMPARE(named<QLabel>(frm, "panInfo")->text(), text);
            QTest::mouseMove(named<ExportGrid>(frm, "grdRecords")->viewport());
            QCOMPARE(named<QLabel>(frm, "panInfo")->text(), QString());
        }
    }

    void backgroundsEmptyTheStatusLine_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("grid") << "grid";
        QTest::newRow("grid header") << "header";
        QTest::newRow("status bar") << "status";
        QTest::newRow("top bar") << "bar";
        QTest::newRow("banner") << "banner";
        QTest::newRow("window") << "window";
    }
    void backgroundsEmptyTheStatusLine()
    {
        QFETCH(QString, place);
        auto frm = window(Window::Men);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        QCOMPARE(named<QLabel>(frm, "panInfo")->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        const std::map<QString, std::pair<QWidget*, QPoint>> places {
            { "grid", { named<ExportGrid>(frm, "grdRecords")->viewport(), QPoint(200, 100) } },
            { "header", { named<ExportGrid>(frm, "grdRecords")->horizontalHeader()->viewport(), QPoint(120, 5) } },
            { "status", { named<QLabel>(frm, "panInfo"), QPoint(300, 8) } },
            { "bar", { named<QWidget>(frm, "panBarra"), QPoint(600, 10) } },
            { "banner", { named<QLabel>(frm, "imgBanner"), QPoint(100, 30) } },
            { "window", { frm.get(), QPoint(5, 300) } },
        };
        const auto [widget, point] = places.at(place);
        QCOMPARE(widget->childAt(point), nullptr);
        QTest::mouseMove(widget, point);
        QCOMPARE(named<QLabel>(frm, "panInfo")->text(), QString());
    }

    void eachEditorOpensItsOwnExport_data()
    {
        QTest::addColumn<Window>("which");
        QTest::newRow("registry editor") << Window::Registry;
        QTest::newRow("men's book editor") << Window::Men;
        QTest::newRow("women's book editor") << Window::Women;
    }
    void eachEditorOpensItsOwnExport()
    {
        QFETCH(Window, which);
        writeRegistry(registryPath());
        writeBook(menBook());
        // The women's book holds one entry of its own.
        Archive(womenBook(), layouts::book).append({ QStringLiteral("Solo donne") });

        std::unique_ptr<CardEditor> editor;
        QString className;
        QList<QStringList> expected;
        if (which == Window::Registry) {
            editor = makeEditor(ArchiveKind::Registry, dir->path());
            className = QStringLiteral("lumidex::TfrmExpAnagrafica");
            expected = registryGrid();
        } else {
            const bool men = which == Window::Men;
            editor = men ? makeEditor(ArchiveKind::MenBook, dir->path(), QStringLiteral("Sfilata estiva"))
                         : makeEditor(ArchiveKind::WomenBook, dir->path(), QStringLiteral("Campagna autunno"));
            className
                = men ? QStringLiteral("lumidex::TfrmExpBookUomini") : QStringLiteral("lumidex::TfrmExpBookDonne");
            QStringList only(13);
            only[0] = QStringLiteral("1");
            only[1] = QStringLiteral("Solo donne");
            expected = men ? bookGrid() : QList<QStringList> { only };
        }
        editor->show();

        exportFrom(*editor, [&](ExportWindow& frm) {
            QCOMPARE(frm.parentWidget(), editor.get());
            QCOMPARE(gridOf(frm), expected);
            click(named<QAbstractButton>(&frm, "cmdEsci"));
            QVERIFY(!frm.isVisible());
        });
        QCOMPARE(user->dialogClasses(), QStringList { className });
        QCOMPARE(user->messages().size(), 0);
    }

    void exportWritesTheGridAndOpensTheFile_data()
    {
        QTest::addColumn<Window>("which");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("registry") << Window::Registry << "Archivio_Anagrafico.xls"
                                  << expectedRegistryDocument(registryCells());
        QTest::newRow("men") << Window::Men << "Book_Fotografico.xls" << expectedBookDocument(bookCells());
        QTest::newRow("women") << Window::Women << "Book_Fotografico.xls" << expectedBookDocument(bookCells());
    }
    void exportWritesTheGridAndOpensTheFile()
    {
        QFETCH(Window, which);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, expected);
        writeRegistry(registryPath());
        writeBook(which == Window::Women ? womenBook() : menBook());
        auto frm = window(which);
        frm->show();
        click(named<QToolButton>(frm, "cmdEsporta"));

        const QString output = path(fileName);
        QCOMPARE(frm->outputPath(), output);
        QCOMPARE(readBytes(output), expected);
        QCOMPARE(user->messages().size(), 2);
        for (const auto& message : user->messages()) {
            QCOMPARE(message.kind, MessageKind::Confirmation);
            QCOMPARE(message.buttons, Buttons::YesNo);
        }
        QCOMPARE(user->messageTexts(), (QStringList { askText, doneText }));
        QCOMPARE(user->openedFiles(), QStringList { output });
        QVERIFY(frm->isVisible());
    }

    // The spreadsheet is saved all the same; the user hears where it is.
    void noApplicationForTheSpreadsheetIsTold()
    {
        writeRegistry(registryPath());
        auto frm = window(Window::Registry);
        frm->show();
        user->refuseOpens();
        click(named<QToolButton>(frm, "cmdEsporta"));
        const QString output = QDir::toNativeSeparators(path(QStringLiteral("Archivio_Anagrafico.xls")));
        QCOMPARE(user->openedFiles(), QStringList { path(QStringLiteral("Archivio_Anagrafico.xls")) });
        QCOMPARE(user->messageTexts(),
            (QStringList { askText, doneText,
                QString::fromUtf8("Attenzione: nel sistema non è installata nessuna applicazione in grado di aprire "
                                  "il foglio di calcolo.\r\n\r\nIl file è stato comunque salvato in ")
                    + output
                    + QString::fromUtf8(" e potrà essere aperto con un programma come LibreOffice Calc o "
                                        "Microsoft Excel.") }));
        QCOMPARE(user->messages().constLast().kind, MessageKind::Warning);
        QCOMPARE(user->messages().constLast().buttons, Buttons::Ok);
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Archivio_Anagrafico.xls"))));
    }

    void answeringNoStops_data()
    {
        QTest::addColumn<bool>("exportNow");
        QTest::newRow("no export") << false;
        QTest::newRow("exported, not opened") << true;
    }
    void answeringNoStops()
    {
        QFETCH(bool, exportNow);
        auto frm = window(Window::Registry);
        frm->show();
        if (exportNow)
            user->queueAnswer(Answer::Yes);
        user->queueAnswer(Answer::No);
        click(named<QToolButton>(frm, "cmdEsporta"));
        QCOMPARE(user->messages().size(), exportNow ? 2 : 1);
        QCOMPARE(QFileInfo::exists(frm->outputPath()), exportNow);
        QCOMPARE(user->openedFiles(), QStringList());
    }

    void cellsTypedInTheGridAreExported()
    {
        writeBook(menBook());
        const QByteArray stored = readBytes(menBook());
        auto frm = window(Window::Men);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        frm->activateWindow();

        // Giudizio of the first entry: typed and not yet confirmed with Enter.
        ExportGrid* grid = named<ExportGrid>(frm, "grdRecords");
        const QModelIndex judgement = grid->model()->index(0, 11);
        grid->setCurrentIndex(judgement);
        grid->edit(judgement);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(judgement));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Da rifare <subito> & meglio: "));
        editor->insert(QString::fromUtf8("€"));
        // Titolo is read-only: no editor opens.
        QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
        grid->edit(grid->model()->index(0, 1));
        QVERIFY(!grid->indexWidget(grid->model()->index(0, 1)));

        click(named<QToolButton>(frm, "cmdEsporta"));
        Cells expected = bookCells();
        expected[0][10] = "Da rifare &lt;subito&gt; &amp; meglio: \x80";
        QCOMPARE(readBytes(frm->outputPath()), expectedBookDocument(expected));
        QCOMPARE(readBytes(menBook()), stored);
    }

    // Many rows show their progress; "Annulla" at any step, the last included,
    // leaves the file of the previous export byte for byte, and nothing beside it.
    void longExportShowsItsProgressAndCanBeStopped_data()
    {
        QTest::addColumn<int>("cancelAt"); // 0: not cancelled
        QTest::newRow("exported") << 0;
        QTest::newRow("stopped at the first step") << 1;
        QTest::newRow("stopped half-way") << 2;
        QTest::newRow("stopped once every row is written") << 3;
    }
    void longExportShowsItsProgressAndCanBeStopped()
    {
        QFETCH(int, cancelAt);
        constexpr int cards = 2500;
        {
            QFile archive(registryPath());
            QVERIFY(archive.open(QIODevice::WriteOnly));
            for (int card = 1; card <= cards; ++card) {
                QStringList values(layouts::registry.fieldCount());
                values[0] = QStringLiteral("Modella %1").arg(card);
                values[10] = QStringLiteral("0612%1").arg(card, 6, 10, QLatin1Char('0'));
                QVERIFY(archive.write(layouts::registry.encode(values)) == layouts::registry.size());
            }
        }
        auto frm = window(Window::Registry);
        const QByteArray previous("<html>il foglio esportato ieri</html>");
        writeBytes(frm->outputPath(), previous);
        frm->show();
        if (cancelAt > 0)
            user->cancelWorkAt(cancelAt);
        click(named<QToolButton>(frm, "cmdEsporta"));

        QCOMPARE(user->works().size(), 1);
        const ScriptedInteraction::Work& work = user->works().first();
        QCOMPARE(work.labels, QStringList { QStringLiteral("Esportazione in corso...") });
        QCOMPARE(work.maximum, qint64(cards));
        // A step every 1024 rows, and one more when the last row is written.
        const QList<qint64> steps { 1024, 2048, cards };
        QCOMPARE(work.advances, cancelAt > 0 ? cancelAt : int(steps.size()));
        QCOMPARE(work.done, steps[work.advances - 1]);
        QCOMPARE(work.cancelled, cancelAt > 0);

        QCOMPARE(QDir(dir->path()).entryList({ QStringLiteral("*.xls*") }),
            QStringList { QStringLiteral("Archivio_Anagrafico.xls") });
        if (cancelAt > 0) {
            // Stopped by the user: no message, the old file as it was.
            QCOMPARE(user->messageTexts(), QStringList { askText });
            QCOMPARE(readBytes(frm->outputPath()), previous);
        } else {
            QCOMPARE(user->messageTexts(), (QStringList { askText, doneText }));
            const QByteArray written = readBytes(frm->outputPath());
            QCOMPARE(written.count("<tr>"), cards + 1);
            QVERIFY(written.contains("<td style=\"text-align: left;\">Modella 2500</td>"));
            QVERIFY(written.contains("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">0612002500</td>"));
        }
        QVERIFY(frm->isVisible());
    }

    void failedExportSaysSoAndKeepsTheWindow()
    {
        // A folder in the place of the spreadsheet cannot be replaced, not even by root.
        auto frm = window(Window::Registry);
        QVERIFY(QDir().mkdir(frm->outputPath()));
        frm->show();
        click(named<QToolButton>(frm, "cmdEsporta"));
        QCOMPARE(user->messageTexts(),
            (QStringList { askText, causewords::withCause(failedText, causewords::folderInTheWay()) }));
        QCOMPARE(user->messages().last().kind, MessageKind::Plain);
        QCOMPARE(user->messages().last().buttons, Buttons::Ok);
        QCOMPARE(user->openedFiles(), QStringList());
        QVERIFY(QFileInfo(frm->outputPath()).isDir());
        QVERIFY(frm->isVisible());
    }

    void aFullDiskKeepsThePreviousExport_data() { addDiskFaultRows(); }
    void aFullDiskKeepsThePreviousExport()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        writeRegistry(disk.path() + QStringLiteral("/Archivio_Anagrafico.pro"));
        const QString output = disk.path() + QStringLiteral("/Archivio_Anagrafico.xls");
        const QByteArray previous("il foglio esportato ieri");
        writeBytes(output, previous);
        TfrmExpAnagrafica frm(disk.path());
        frm.show();
        // The document of three cards does not fit in the page a nearly full disk may have left.
        QVERIFY(expectedRegistryDocument(registryCells()).size() > 4096);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));
        click(named<QToolButton>(&frm, "cmdEsporta"));
        disk.lift();

        QCOMPARE(
            user->messageTexts(), (QStringList { askText, causewords::withCause(failedText, diskFaultWords(fault)) }));
        QCOMPARE(user->messages().last().kind, MessageKind::Plain);
        QCOMPARE(user->openedFiles(), QStringList());
        QCOMPARE(readBytes(output), previous);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList { QStringLiteral("Archivio_Anagrafico.pro"), QStringLiteral("Archivio_Anagrafico.xls") }));
        QVERIFY(frm.isVisible());
    }

    void unreadableArchiveIsReportedOnceWhenShown()
    {
        QVERIFY(QDir().mkdir(menBook()));
        auto frm = window(Window::Men);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        QTRY_COMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().first().kind, MessageKind::Plain);
        QCOMPARE(user->messages().first().buttons, Buttons::Ok);
        QCOMPARE(user->messages().first().text,
            archiveAccessText()
                + QString::fromUtf8("\r\n\r\nAl posto del file c'è una cartella, o al posto della cartella un file."));
        QCOMPARE(gridOf(*frm), QList<QStringList>(10, QStringList(13)));

        // Shown again, it neither reads again nor repeats itself.
        frm->hide();
        frm->show();
        QCoreApplication::processEvents();
        QCOMPARE(user->messages().size(), 1);
    }

    // The archive is kept by another program while the window reads it: the grid
    // holds none of its three cards. Before anything is written the user hears
    // that only part was read and may stop; the final message says it again.
    void aPartialGridIsToldBeforeAndAfterWriting_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("exported all the same") << true;
        QTest::newRow("stopped at the warning") << false;
    }
    void aPartialGridIsToldBeforeAndAfterWriting()
    {
        QFETCH(bool, goOn);
        writeRegistry(registryPath());
        Archive::setDefaultLockTimeout(200);
        const auto restore = qScopeGuard([] { Archive::setDefaultLockTimeout(Archive::lockTimeoutMs); });
        QFile other(registryPath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        struct flock region = {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        QCOMPARE(::fcntl(other.handle(), F_OFD_SETLK, &region), 0);

        auto frm = window(Window::Registry);
        frm->show();
        QTRY_COMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().first().text,
            archiveAccessText() + QString::fromUtf8("\r\n\r\nIl file è bloccato da un altro computer."));
        QCOMPARE(gridOf(*frm), QList<QStringList>(10, QStringList(26)));

        user->clear();
        user->queueAnswer(goOn ? Answer::Yes : Answer::No);
        click(named<QToolButton>(frm, "cmdEsporta"));
        const QString partialQuestion = QString::fromUtf8(
            "Sono state lette solo 0 schede su 3.\r\n\r\nIl file di Excel conterrebbe solo le schede lette. Si "
            "vuole esportarle comunque?");
        if (!goOn) {
            QCOMPARE(user->messages(), onlyMessage(MessageKind::Warning, partialQuestion, Buttons::YesNo));
            QVERIFY(!QFileInfo::exists(frm->outputPath()));
            return;
        }
        QCOMPARE(user->messageTexts(),
            (QStringList { partialQuestion, askText,
                QString::fromUtf8("Sono state lette solo 0 schede su 3.\r\n\r\nIl file di Excel contiene solo le "
                                  "schede lette.\r\n\r\nSi vuole aprire il file di Excel?") }));
        QCOMPARE(user->messages().first().kind, MessageKind::Warning);
        QCOMPARE(user->messages().last().kind, MessageKind::Confirmation);
        QCOMPARE(user->messages().last().buttons, Buttons::YesNo);
        // The file holds what the grid shows: its ten empty rows, not the archive's cards.
        QCOMPARE(readBytes(frm->outputPath()), expectedRegistryDocument(emptyCells(10, 25)));
        QCOMPARE(user->openedFiles(), QStringList { frm->outputPath() });
    }

    // Where not even the number of cards could be learnt, the warning says so.
    void aPartOfAnUnknownWholeIsToldToo()
    {
        QVERIFY(QDir().mkdir(menBook()));
        auto frm = window(Window::Men);
        frm->show();
        QTRY_COMPARE(user->messages().size(), 1);
        user->clear();
        user->queueAnswer(Answer::No);
        click(named<QToolButton>(frm, "cmdEsporta"));
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Warning,
                QString::fromUtf8("Sono state lette solo 0 schede: non è stato possibile sapere quante ne contenga "
                                  "l'archivio.\r\n\r\nIl file di Excel conterrebbe solo le schede lette. Si vuole "
                                  "esportarle comunque?"),
                Buttons::YesNo));
        QVERIFY(!QFileInfo::exists(frm->outputPath()));
    }

    // With every card read, nothing more is said than before.
    void aWholeGridSaysNothingOfParts()
    {
        writeRegistry(registryPath());
        auto frm = window(Window::Registry);
        frm->show();
        click(named<QToolButton>(frm, "cmdEsporta"));
        QCOMPARE(user->messageTexts(), (QStringList { askText, doneText }));
    }

    void helpShowsTheExportPageOfItsKind_data()
    {
        QTest::addColumn<Window>("which");
        QTest::addColumn<QString>("title");
        QTest::newRow("registry") << Window::Registry << "Esportazione archivio anagrafico in Microsoft Excel.";
        QTest::newRow("men") << Window::Men << "Esportazione book fotografico in Microsoft Excel.";
        QTest::newRow("women") << Window::Women << "Esportazione book fotografico in Microsoft Excel.";
    }
    void helpShowsTheExportPageOfItsKind()
    {
        QFETCH(Window, which);
        QFETCH(QString, title);
        auto frm = window(which);
        frm->show();
        QString shown;
        user->onDialog([&](QDialog& dialog) {
            if (auto* help = qobject_cast<TfrmGuida*>(&dialog)) {
                QCOMPARE(help->parentWidget(), frm.get());
                shown = named<QLabel>(help, "lblTitolo")->text();
            }
        });
        click(named<QToolButton>(frm, "cmdGuida"));
        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmGuida") });
        QCOMPARE(shown, title);
    }

    void menAndWomenShareOneFile()
    {
        writeBook(menBook());
        Archive(womenBook(), layouts::book).append({ QStringLiteral("Solo donne") });
        for (Window which : { Window::Men, Window::Women }) {
            auto frm = window(which);
            frm->show();
            click(named<QToolButton>(frm, "cmdEsporta"));
        }
        Cells women = emptyCells(1, 12);
        women[0][0] = "Solo donne";
        QCOMPARE(readBytes(path(QStringLiteral("Book_Fotografico.xls"))), expectedBookDocument(women));
        QCOMPARE(QDir(dir->path()).entryList({ QStringLiteral("*.xls*") }),
            QStringList { QStringLiteral("Book_Fotografico.xls") });
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
