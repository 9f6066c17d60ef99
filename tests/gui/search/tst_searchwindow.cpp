#include "SearchFixtures.h"

#include "gui/search/TfrmTrovaAnagrafica.h"
#include "gui/search/TfrmTrovaBookDonne.h"
#include "gui/search/TfrmTrovaBookUomini.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/CauseWords.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestRecords.h"
#include "ui/FocusFrame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

enum class Kind { Registry, Men, Women };
using Criteria = QMap<QString, QString>;

const QString emptyListMessage = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// Counts the times a widget is painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestSearchWindow : public ScriptedTestCase {
    Q_OBJECT

private:
    QString pathOf(Kind kind) const
    {
        switch (kind) {
        case Kind::Registry:
            return dir->filePath(QStringLiteral("Archivio_Anagrafico.pro"));
        case Kind::Men:
            return dir->filePath(QStringLiteral("Estate.men"));
        case Kind::Women:
            return dir->filePath(QStringLiteral("Estate.wmn"));
        }
        return {};
    }

    std::unique_ptr<SearchWindow> open(Kind kind) const
    {
        std::unique_ptr<SearchWindow> window;
        switch (kind) {
        case Kind::Registry:
            window = std::make_unique<TfrmTrovaAnagrafica>(pathOf(kind));
            break;
        case Kind::Men:
            window = std::make_unique<TfrmTrovaBookUomini>(pathOf(kind));
            break;
        case Kind::Women:
            window = std::make_unique<TfrmTrovaBookDonne>(pathOf(kind));
            break;
        }
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("search window not active");
        return window;
    }

    // A registry of people whose lines are all different.
    std::unique_ptr<SearchWindow> registryWithPeople()
    {
        writeRecords(pathOf(Kind::Registry), layouts::registry,
            { registryCard(QStringLiteral("Zeno Rossi"), QStringLiteral("Milano")),
                registryCard(QStringLiteral("Bruno Verdi"), QStringLiteral("Roma")),
                registryCard(QStringLiteral("Carla Rossi"), QStringLiteral("Milano Marittima"),
                    QStringLiteral("rossi di capelli")),
                registryCard(QString::fromUtf8("Àlvaro Neri"), QStringLiteral("Rimini")),
                registryCard(QStringLiteral("Anna Rossi"), QStringLiteral("Rimini")) });
        return open(Kind::Registry);
    }

    QLineEdit* field(SearchWindow& window, const QString& name) const { return named<QLineEdit>(&window, name); }

private slots:

    void windowsAsTheUserFindsThem_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("frames");

        const QStringList bookControls { "txtTitolo", "txtDescrizione", "txtData", "txtLocation", "txtFotografo",
            QStringLiteral("txtFotocamera"), QStringLiteral("txtAbiti"), QStringLiteral("txtTrucco"),
            QStringLiteral("txtGiudizio"), QStringLiteral("txtNote") };
        const QStringList bookCaptions { "Titolo foto:", "Descrizione:", "Data scatto (gg/mm/aaaa):", "Location:",
            QStringLiteral("Fotografo:"), QStringLiteral("Fotocamera:"), QStringLiteral("Abiti:"),
            QStringLiteral("Trucco:"), QStringLiteral("Giudizio:"), QStringLiteral("Note:") };
        const QStringList frames { "effCampo01", "effCampo02", "effCampo09", "effCampo10", "effCampo05", "effCampo06",
            QStringLiteral("effCampo07"), QStringLiteral("effCampo08"), QStringLiteral("effCampo03"),
            QStringLiteral("effCampo04") };
        QTest::newRow("registry") << int(Kind::Registry) << "frmTrovaAnagrafica"
                                  << " Trova schede anagrafiche in archivio"
                                  << QStringList { "txtNome", "txtDataNasc", "txtSesso", "txtLuogoNasc", "txtCodFisc",
                                         QStringLiteral("txtPartitaIva"), QStringLiteral("txtOcchi"),
                                         QStringLiteral("txtCapelli"), QStringLiteral("txtDisponibilita"),
                                         QStringLiteral("txtNote") }
                                  << QStringList { "Nome:", "Data di nascita (gg/mm/aaaa):", "Sesso (M/F):",
                                         "Luogo di nascita:", "Codice fiscale:", "Partita Iva:", "Occhi:", "Capelli:",
                                         QString::fromUtf8("Disponibilità:"), QStringLiteral("Note:") }
                                  << frames;
        QTest::newRow("men's book") << int(Kind::Men) << "frmTrovaBookUomini"
                                    << " Trova foto in book fotografico" << bookControls << bookCaptions << frames;
        QTest::newRow("women's book") << int(Kind::Women) << "frmTrovaBookDonne"
                                      << " Trova foto in book fotografico" << bookControls << bookCaptions << frames;
    }
    void windowsAsTheUserFindsThem()
    {
        QFETCH(int, kind);
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, frames);
        const auto window = open(Kind(kind));

        QCOMPARE(window->objectName(), objectName);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), QSize(862, 560));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(named<QWidget>(window, "panAvvio")->size(), QSize(833, 529));
        QCOMPARE(named<QWidget>(window, "panContainer")->size(), QSize(833, 529));
        const QRect place = named<QWidget>(window, "panAvvio")->geometry();
        QCOMPARE(place.center(), window->rect().center());
        QVERIFY(named<QWidget>(window, "panAvvio")->isVisible());
        QVERIFY(named<QWidget>(window, "panContainer")->isHidden());
        QVERIFY(named<QLabel>(window, "lblAttendere")->isHidden());
        QVERIFY(named<QLabel>(window, "lblConta")->isHidden());
        QVERIFY(named<QLabel>(window, "lblMemory")->isHidden());

        for (int i = 0; i < controls.size(); ++i) {
            QLineEdit* edit = field(*window, controls.at(i));
            QCOMPARE(window->criteriaFields().at(i), edit);
            QCOMPARE(edit->font().family(), QStringLiteral("Verdana"));
            QCOMPARE(edit->font().pointSize(), 12);
            QVERIFY(edit->font().bold());
            auto* label = named<QLabel>(window.get(), QStringLiteral("lblCampo") + frames.at(i).right(2));
            QCOMPARE(label->text(), captions.at(i));
            QCOMPARE(label->buddy(), edit);
            QCOMPARE(named<FocusFrame>(window.get(), frames.at(i))->geometry().center(), edit->geometry().center());
        }
        QVERIFY(field(*window, controls.first())->hasFocus());

        const QList<std::pair<const char*, QString>> texts {
            { "lblRigo04",
                QString::fromUtf8("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede "
                                  "da trovare e premere il pulsante Cerca.") },
            { "lblRigo05", "Lasciare in bianco tutti gli altri campi." },
            { "lblRigo06",
                QString::fromUtf8("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.") },
            { "lblAttendere", "Ricerca schede in corso. Attendere..." },
            { "lblRigo01",
                QString::fromUtf8("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare "
                                  "e premere il pulsante Trova.") },
            { "lblRigo02",
                "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
                "Trova." },
            { "lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic." },
        };
        for (const auto& [name, text] : texts)
            QCOMPARE(named<QLabel>(window.get(), QString::fromLatin1(name))->text(), text);
        const QList<std::pair<QPushButton*, QString>> buttons { { named<QPushButton>(window, "btnCerca"), "Cerca" },
            { named<QPushButton>(window, "btnAnnulla"), "Chiudi" }, { named<QPushButton>(window, "btnTrova"), "Trova" },
            { named<QPushButton>(window, "btnChiudi"), "Chiudi" },
            { named<QPushButton>(window, "btnStampa"), "Stampa" } };
        for (const auto& [button, text] : buttons) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->font().family(), QStringLiteral("Verdana"));
        }
        QCOMPARE(
            named<QLabel>(window, "lblAttendere")->palette().color(QPalette::WindowText), QColor(0x00, 0x8B, 0x8B));
        QCOMPARE(named<QLabel>(window, "lblRigo03")->palette().color(QPalette::WindowText), QColor(0xDC, 0x14, 0x3C));
        for (const char* picture : { "imgInfo", "imgTrova01", "imgTrova02", "imgTrova03", "imgLogo", "imgLente" })
            QVERIFY2(!named<QLabel>(window.get(), QString::fromLatin1(picture))->pixmap().isNull(), picture);
        QCOMPARE(named<QListView>(window, "lstRecords")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(named<QListView>(window, "lstRecords")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        // The results take the place of the criteria, for good.
        runSearch(*window);
        QVERIFY(named<QWidget>(window, "panContainer")->isVisible());
        QVERIFY(named<QWidget>(window, "panAvvio")->isHidden());
        QCOMPARE(named<QWidget>(window, "panContainer")->geometry(), place);
    }

    void enterAndTabWalkTheCriteriaAndTheFrameFollows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("registry") << int(Kind::Registry);
        QTest::newRow("men's book") << int(Kind::Men);
    }
    void enterAndTabWalkTheCriteriaAndTheFrameFollows()
    {
        QFETCH(int, kind);
        const auto window = open(Kind(kind));
        const QList<QLineEdit*>& fields = window->criteriaFields();
        const QList<FocusFrame*> frames
            = window->findChildren<FocusFrame*>(QRegularExpression(QStringLiteral("^effCampo\\d\\d$")));
        QCOMPARE(frames.size(), 10);
        for (int i = 0; i <= fields.size(); ++i) {
            QLineEdit* focused = fields.at(i % fields.size());
            QVERIFY(focused->hasFocus());
            for (FocusFrame* frame : frames)
                QCOMPARE(frame->isVisible(), frame->geometry().center() == focused->geometry().center());
            QTest::keyClick(focused, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        }
        for (int i = 0; i < fields.size() - 1; ++i) {
            fields.at(i)->setFocus();
            QTest::keyClick(fields.at(i), Qt::Key_Tab);
            QVERIFY(fields.at(i + 1)->hasFocus());
        }
        // Enter moved the focus only: nothing was searched.
        QVERIFY(named<QWidget>(window, "panAvvio")->isVisible());
        QVERIFY(!QFileInfo::exists(pathOf(Kind(kind))));
    }

    void searchListsSortedLinesAndCountsThem_data()
    {
        QTest::addColumn<Criteria>("criteria");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("filled");
        QTest::newRow("no criteria: every card")
            << Criteria {}
            << QStringList { QString::fromUtf8("Àlvaro Neri"), "Anna Rossi", QStringLiteral("Bruno Verdi"),
                   QStringLiteral("Carla Rossi"), QStringLiteral("Zeno Rossi") }
            << 0;
        QTest::newRow("two criteria, any case")
            << Criteria { { QStringLiteral("txtNome"), QStringLiteral("ROSS") },
                   { QStringLiteral("txtLuogoNasc"), QStringLiteral("mi") } }
            << QStringList { QStringLiteral("Anna Rossi"), QStringLiteral("Carla Rossi"), QStringLiteral("Zeno Rossi") }
            << 2;
        QTest::newRow("one criterion not met")
            << Criteria { { QStringLiteral("txtNome"), QStringLiteral("rossi") },
                   { QStringLiteral("txtLuogoNasc"), QStringLiteral("milano") } }
            << QStringList { QStringLiteral("Carla Rossi"), QStringLiteral("Zeno Rossi") } << 2;
        QTest::newRow("blank-only criterion scores without counting")
            << Criteria { { QStringLiteral("txtNome"), QStringLiteral(" ") },
                   { QStringLiteral("txtLuogoNasc"), QStringLiteral("rimini") } }
            << QStringList { QString::fromUtf8("Àlvaro Neri"), "Anna Rossi", "Bruno Verdi", "Carla Rossi",
                   QStringLiteral("Zeno Rossi") }
            << 1;
        QTest::newRow("trailing blank") << Criteria { { QStringLiteral("txtNome"), QStringLiteral("rossi ") } }
                                        << QStringList {} << 1;
        QTest::newRow("notes field") << Criteria { { QStringLiteral("txtNote"), QStringLiteral("capelli") } }
                                     << QStringList { QStringLiteral("Carla Rossi") } << 1;
    }
    void searchListsSortedLinesAndCountsThem()
    {
        QFETCH(Criteria, criteria);
        QFETCH(QStringList, names);
        QFETCH(int, filled);
        const auto window = registryWithPeople();
        runSearch(*window, criteria);

        QVERIFY(user->messages().isEmpty());
        QVERIFY(named<QWidget>(window, "panContainer")->isVisible());
        QVERIFY(named<QWidget>(window, "panAvvio")->isHidden());
        QCOMPARE(named<QLabel>(window, "lblConta")->text(), QString::number(filled));
        QStringList listed;
        for (const QString& line : window->listedLines())
            listed << line.left(30).trimmed();
        QCOMPARE(listed, names);
        QCOMPARE(named<QListView>(window, "lstRecords")->model()->rowCount(), names.size());
        QCOMPARE(named<QLabel>(window, "lblTrovate")->text(),
            QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(names.size()));
        QVERIFY(named<QLineEdit>(window, "txtTrova")->hasFocus());
        QCOMPARE(named<QLineEdit>(window, "txtTrova")->text(), QString());
    }

    void linesScrollSidewaysAndNoneIsCut()
    {
        const QString notes = QString(250, QLatin1Char('n'));
        writeRecords(pathOf(Kind::Registry), layouts::registry,
            { registryCard(QStringLiteral("Anna"), QStringLiteral(""), notes) });
        const auto window = open(Kind::Registry);
        runSearch(*window);
        QListView* list = named<QListView>(window, "lstRecords");
        const QModelIndex line = list->model()->index(0, 0);
        QVERIFY(list->visualRect(line).width() >= 1600);
        QVERIFY(list->visualRect(line).width()
            >= QFontMetrics(line.data(Qt::FontRole).value<QFont>()).horizontalAdvance(window->listedLines().first()));
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    }

    void waitingNoticeIsPaintedBeforeTheScan()
    {
        const auto window = open(Kind::Registry);
        PaintCounter counter;
        named<QLabel>(window, "lblAttendere")->installEventFilter(&counter);
        bool visibleDuringScan = false;
        int paintsBeforeScan = -1;
        window->setRecordSource([&](int, const RecordVisit& visit) {
            visibleDuringScan = named<QLabel>(window, "lblAttendere")->isVisible();
            paintsBeforeScan = counter.paints;
            test::visitRecord(visit, layouts::registry, 1, registryCard(QStringLiteral("Anna")));
        });
        // By the keyboard too, where no mouse button goes down first.
        named<QPushButton>(window, "btnCerca")->setFocus();
        QTest::keyClick(named<QPushButton>(window, "btnCerca"), Qt::Key_Space);
        QVERIFY(visibleDuringScan);
        QVERIFY(paintsBeforeScan > 0);
        QCOMPARE(window->listedLines().size(), 1);
    }

    void theNoticeShowsAsTheButtonGoesDown()
    {
        const auto window = open(Kind::Registry);
        QTest::mousePress(named<QPushButton>(window, "btnCerca"), Qt::LeftButton);
        QVERIFY(named<QLabel>(window, "lblAttendere")->isVisible());
        QVERIFY(named<QWidget>(window, "panAvvio")->isVisible());
        QTest::mouseRelease(named<QPushButton>(window, "btnCerca"), Qt::LeftButton);
        QVERIFY(named<QWidget>(window, "panContainer")->isVisible());
    }

    void aFailureMidScanListsNothing()
    {
        const auto window = open(Kind::Registry);
        window->setRecordSource([](int, const RecordVisit& visit) {
            test::visitRecord(visit, layouts::registry, 1, registryCard(QStringLiteral("Anna")));
            test::visitRecord(visit, layouts::registry, 2, registryCard(QStringLiteral("Bruno")));
            throw ArchiveError(QStringLiteral("Short read"));
        });
        runSearch(*window);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().first().kind, MessageKind::Plain);
        QCOMPARE(user->messages().first().buttons, Buttons::Ok);
        QCOMPARE(user->messages().first().text, archiveAccessText());
        QVERIFY(window->listedLines().isEmpty());
        QVERIFY(named<QWidget>(window, "panAvvio")->isVisible());
        QVERIFY(named<QWidget>(window, "panContainer")->isHidden());
        QVERIFY(named<QLabel>(window, "lblAttendere")->isVisible());
    }

    void anArchiveThatCannotBeOpenedGivesTheMessage()
    {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Estate.wmn")));
        const auto window = open(Kind::Women);
        runSearch(*window);
        QCOMPARE(user->messageTexts(), QStringList { archiveAccessText(causewords::folderInTheWay()) });
        QCOMPARE(user->messages().first().kind, MessageKind::Plain);
        QVERIFY(named<QWidget>(window, "panAvvio")->isVisible());
    }

    void damagedArchiveListsWhatCanBeRead()
    {
        writeRecords(pathOf(Kind::Men), layouts::book,
            { bookEntry(QStringLiteral("Alba")), bookEntry(QStringLiteral("Tramonto")) });
        QFile file(pathOf(Kind::Men));
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(1200, char(250)));
        file.close();
        const auto window = open(Kind::Men);
        runSearch(*window);
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(window->listedLines().size(), 2);
        QCOMPARE(
            named<QLabel>(window, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    }

    void aMissingBookIsCreatedEmptyAndListsNothing()
    {
        const auto window = open(Kind::Women);
        runSearch(*window);
        QVERIFY(QFileInfo::exists(pathOf(Kind::Women)));
        QCOMPARE(QFileInfo(pathOf(Kind::Women)).size(), 0);
        QVERIFY(named<QWidget>(window, "panContainer")->isVisible());
        QCOMPARE(
            named<QLabel>(window, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));

        QTest::mouseClick(named<QPushButton>(window, "btnTrova"), Qt::LeftButton);
        QCOMPARE(user->messageTexts(), QStringList { emptyListMessage });
        QCOMPARE(user->messages().first().kind, MessageKind::Plain);
        QCOMPARE(user->messages().first().buttons, Buttons::Ok);
    }

    void trovaSelectsMatchingLinesInTurn()
    {
        const auto window = registryWithPeople();
        runSearch(*window);
        // Àlvaro Neri, Anna Rossi, Bruno Verdi, Carla Rossi, Zeno Rossi
        QCOMPARE(selectedRow(*window), -1);

        const auto trova = [&](const QString& key) {
            named<QLineEdit>(window, "txtTrova")->setText(key);
            QTest::mouseClick(named<QPushButton>(window, "btnTrova"), Qt::LeftButton);
            return selectedRow(*window);
        };
        QCOMPARE(trova(QStringLiteral("")), 0);
        QCOMPARE(trova(QStringLiteral("VERDI")), 2);
        QCOMPARE(trova(QStringLiteral("rossi")), 1);
        QCOMPARE(trova(QStringLiteral("rossi")), 3);
        QCOMPARE(trova(QStringLiteral("rossi")), 4);
        QCOMPARE(trova(QStringLiteral("rossi")), 1);
        QCOMPARE(trova(QStringLiteral("nessuno")), 1);
        QCOMPARE(trova(QString::fromUtf8("àlvaro")), 1);
        QCOMPARE(trova(QString::fromUtf8("Àlvaro")), 0);
        QCOMPARE(trova(QStringLiteral("note")), 0);
        QVERIFY(user->messages().isEmpty());

        named<QLineEdit>(window, "txtTrova")->setFocus();
        QVERIFY(named<FocusFrame>(window.get(), QStringLiteral("effTrova"))->isVisible());
        QTest::keyClick(named<QLineEdit>(window, "txtTrova"), Qt::Key_Return);
        QVERIFY(named<QPushButton>(window, "btnTrova")->hasFocus());
        QVERIFY(!named<FocusFrame>(window.get(), QStringLiteral("effTrova"))->isVisible());
    }

    void trovaStartsAfterTheLineTheUserPicked()
    {
        const auto window = registryWithPeople();
        runSearch(*window);
        named<QLineEdit>(window, "txtTrova")->setText("rossi");
        QTest::mouseClick(named<QPushButton>(window, "btnTrova"), Qt::LeftButton);
        QCOMPARE(selectedRow(*window), 1);
        const QModelIndex fourth = named<QListView>(window, "lstRecords")->model()->index(3, 0);
        QTest::mouseClick(named<QListView>(window, "lstRecords")->viewport(), Qt::LeftButton, {},
            named<QListView>(window, "lstRecords")->visualRect(fourth).center());
        QCOMPARE(selectedRow(*window), 3);
        QTest::mouseClick(named<QPushButton>(window, "btnTrova"), Qt::LeftButton);
        QCOMPARE(selectedRow(*window), 4);
    }

    void stampaPrintsTitleAndLinesInListOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("registry") << int(Kind::Registry) << "Riepilogo schede anagrafiche in archivio";
        QTest::newRow("men's book") << int(Kind::Men) << "Riepilogo foto in book fotografico";
        QTest::newRow("women's book") << int(Kind::Women) << "Riepilogo foto in book fotografico";
    }
    void stampaPrintsTitleAndLinesInListOrder()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        std::unique_ptr<SearchWindow> window;
        if (Kind(kind) == Kind::Registry) {
            writeRecords(pathOf(Kind::Registry), layouts::registry,
                { registryCard(QStringLiteral("Zeno")), registryCard(QStringLiteral("Anna")),
                    registryCard(QStringLiteral("Bruno")) });
            window = std::make_unique<TfrmTrovaAnagrafica>(pathOf(Kind::Registry));
        } else {
            writeRecords(pathOf(Kind(kind)), layouts::book,
                { bookEntry(QStringLiteral("Zeno")), bookEntry(QStringLiteral("Anna")),
                    bookEntry(QStringLiteral("B")) });
            if (Kind(kind) == Kind::Men)
                window = std::make_unique<TfrmTrovaBookUomini>(pathOf(Kind::Men));
            else
                window = std::make_unique<TfrmTrovaBookDonne>(pathOf(Kind::Women));
        }
        window->show();
        runSearch(*window);
        QTest::mouseClick(named<QPushButton>(window, "btnStampa"), Qt::LeftButton);

        QCOMPARE(user->reports().size(), 1);
        const ScriptedInteraction::Report& printed = user->reports().first();
        QVERIFY(!printed.preview);
        QCOMPARE(printed.pageCount, 1);
        LUMIDEX_REQUIRE_PDF_READER();
        const QString text = pdfPageText(pdfWords(printed.pdfPath), 0);
        QVERIFY2(text.startsWith(title), qPrintable(text));
        // The lines in the order the list shows them, then the footer.
        const qsizetype anna = text.indexOf(QLatin1String("Anna"));
        const qsizetype zeno = text.indexOf(QLatin1String("Zeno"));
        QVERIFY(anna > 0 && zeno > anna);
        QVERIFY(text.indexOf(QLatin1String("Stampa eseguita in data")) > zeno);
        // The window stays open with its list as it was.
        QVERIFY(window->isVisible());
        QCOMPARE(window->listedLines().size(), 3);
    }

    // The search's large bold fields and its buttons' face are the panels' own:
    // a dialog the window opens over itself looks as it does anywhere else.
    void dialogsOverTheWindowKeepTheirOwnLook_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("print dialog") << "print";
        QTest::newRow("progress window") << "progress";
    }

    void dialogsOverTheWindowKeepTheirOwnLook()
    {
        QFETCH(QString, dialog);
        const auto window = registryWithPeople();
        runSearch(*window);
        QPrinter printer;
        const auto make = [&](QWidget* parent) -> std::unique_ptr<QDialog> {
            if (dialog == QLatin1String("print"))
                return std::make_unique<QPrintDialog>(&printer, parent);
            auto progress = std::make_unique<QProgressDialog>(parent);
            progress->setLabelText(QStringLiteral("Stampa in corso... pagina 1 di 5"));
            progress->setCancelButtonText(QStringLiteral("Annulla"));
            return progress;
        };
        // Every control's font, in the order the dialog made them.
        const auto fonts = [](QDialog& shown) {
            shown.show();
            QList<std::pair<QString, QFont>> found;
            for (QWidget* control : shown.findChildren<QWidget*>()) {
                control->ensurePolished();
                found.append({ QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName(),
                    control->font() });
            }
            shown.hide();
            return found;
        };
        const std::unique_ptr<QDialog> over = make(window.get());
        const std::unique_ptr<QDialog> alone = make(nullptr);
        const QList<std::pair<QString, QFont>> overFonts = fonts(*over);
        const QList<std::pair<QString, QFont>> aloneFonts = fonts(*alone);
        // A label, a bar and "Annulla" at the least.
        QVERIFY(overFonts.size() >= 3);
        QCOMPARE(overFonts.size(), aloneFonts.size());
        for (qsizetype i = 0; i < overFonts.size(); ++i) {
            QCOMPARE(overFonts.at(i).first, aloneFonts.at(i).first);
            QVERIFY2(overFonts.at(i).second == aloneFonts.at(i).second,
                qPrintable(overFonts.at(i).first + QStringLiteral(": ") + overFonts.at(i).second.toString()));
        }
        // The window's own controls keep the search's look.
        QVERIFY(named<QLineEdit>(window, "txtTrova")->font().bold());
        QCOMPARE(named<QPushButton>(window, "btnStampa")->font().family(), QStringLiteral("Verdana"));
    }

    // Escape closes either panel as its "Chiudi" does.
    void closingEmptiesTheListAndHidesTheNotice_data()
    {
        QTest::addColumn<bool>("fromResults");
        QTest::addColumn<bool>("escape");
        QTest::newRow("Chiudi on the results") << true << false;
        QTest::newRow("Chiudi on the criteria") << false << false;
        QTest::newRow("Esc on the results") << true << true;
        QTest::newRow("Esc on the criteria") << false << true;
    }
    void closingEmptiesTheListAndHidesTheNotice()
    {
        QFETCH(bool, fromResults);
        QFETCH(bool, escape);
        const auto window = registryWithPeople();
        if (fromResults) {
            runSearch(*window);
            if (escape)
                QTest::keyClick(named<QLineEdit>(window, "txtTrova"), Qt::Key_Escape);
            else
                QTest::mouseClick(named<QPushButton>(window, "btnChiudi"), Qt::LeftButton);
        } else {
            QTest::mousePress(named<QPushButton>(window, "btnCerca"), Qt::LeftButton);
            if (escape)
                QTest::keyClick(window->criteriaFields().constFirst(), Qt::Key_Escape);
            else
                QTest::mouseClick(named<QAbstractButton>(window, "btnAnnulla"), Qt::LeftButton);
        }
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QVERIFY(window->listedLines().isEmpty());
        QVERIFY(named<QLabel>(window, "lblAttendere")->isHidden());
        QVERIFY(!window->chosenCard());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
