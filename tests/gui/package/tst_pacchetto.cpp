#include "gui/package/TfrmPacchetto.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "package/SafeNames.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/EditorFixture.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedTestCase.h"
#include "support/TestFiles.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"
#include "support/TestPictures.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

int field(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

// What the user reads, written out as the user reads it.
namespace pacchettoWords {

const QString paragraph = QStringLiteral("\r\n\r\n");

QString emptyArchive()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

QString nothingChosen()
{
    return QStringLiteral("Scegliere almeno una scheda da inserire nel pacchetto.");
}

QString pdfCancelled()
{
    return QStringLiteral("La stampa del pacchetto è stata annullata.");
}

QString pdfFailed()
{
    return QStringLiteral("Impossibile stampare il pacchetto.");
}

QString webCancelled()
{
    return QStringLiteral("La creazione della pagina web è stata annullata: non è stato lasciato nessun file.");
}

QString webFailed(const QString& reason)
{
    return QStringLiteral("Impossibile creare la pagina web del pacchetto.") + paragraph + reason;
}

QString webDone(const QString& folder)
{
    return QStringLiteral("La pagina web del pacchetto è stata creata nella cartella:") + paragraph + folder + paragraph
        + QStringLiteral("Aprirla ora nel browser?");
}

QString galleryDone(const QString& folder)
{
    return QStringLiteral("La galleria web del book è stata creata nella cartella:") + paragraph + folder + paragraph
        + QStringLiteral("Aprirla ora nel browser?");
}

} // namespace pacchettoWords

class TestPacchetto : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<TfrmAnagrafica> editor;

    // Three cards, each with a photo; the first and the third have green eyes.
    void storeCards()
    {
        const Archive archive(programfolder::registryArchivePath(dir->path()), layouts::registry);
        const auto card = [&](const QString& name, const QString& eyes, const QString& taxCode) {
            QStringList values(layouts::registry.fieldCount());
            values[field("Nome")] = name;
            values[field("Sesso")] = QStringLiteral("F");
            values[field("Occhi")] = eyes;
            values[field("Altezza")] = QStringLiteral("178");
            values[field("CodFisc")] = taxCode;
            values[field("Iban")] = QStringLiteral("IT60X0542811101000000123456");
            const int position = archive.append(values);
            QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("Anagrafica"))));
            writeBytes(dir->filePath(QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(position)),
                encodeJpeg(markedImage(QSize(300, 400), Qt::red), 90));
        };
        card(QStringLiteral("Giulia/Neri"), QStringLiteral("verdi"), QStringLiteral("NREGLI95A41F205X"));
        card(QStringLiteral("Marta Blu"), QStringLiteral("azzurri"), QStringLiteral("BLUMRT90A41F205Y"));
        card(QStringLiteral("Nicolò \"Nico\" Dell'Àcqua"), QStringLiteral("VERDI"), QStringLiteral("DLLNCL88A01F205Z"));
    }

    // The user opens the package window and does `steps` in it before the
    // window's own buttons are looked at.
    void openPackage(const std::function<void(TfrmPacchetto&)>& steps)
    {
        user->onDialog([steps](QDialog& dialog) {
            auto* window = qobject_cast<TfrmPacchetto*>(&dialog);
            QVERIFY(window);
            steps(*window);
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdPacchetto"), Qt::LeftButton);
    }

    // Filters to the green eyes, ticks them, puts the tax code in.
    static void chooseGreenEyes(TfrmPacchetto& window)
    {
        QTest::keyClicks(named<QLineEdit>(&window, "txtFiltro"), QStringLiteral("verd"));
        QTest::mouseClick(named<QPushButton>(&window, "cmdSelezionaTutte"), Qt::LeftButton);
        named<QLineEdit>(&window, "txtFiltro")->clear();
        window.fieldBox(field("CodFisc"))->setChecked(true);
        QTest::keyClicks(named<QLineEdit>(&window, "txtCliente"), QStringLiteral("Studio \"Alfa\"/Roma"));
        named<QPlainTextEdit>(&window, "txtNota")->setPlainText(QStringLiteral("Casting <estate>"));
    }

    QString packageFolder() const { return dir->filePath(QStringLiteral("Pacchetti/Studio _Alfa_Roma_") + today()); }

    // The registry editor opens on each test's fresh folder.
    void setUp() override
    {
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    void tearDown() override { editor.reset(); }

private slots:

    void toolbarButtons()
    {
        QVERIFY(named<QToolButton>(editor, "cmdPacchetto"));
        QVERIFY(!editor->findChild<QToolButton*>(QStringLiteral("cmdGalleria")));
        QCOMPARE(named<QToolButton>(editor, "cmdPacchetto")->statusTip(),
            QStringLiteral("Prepara un pacchetto di schede da inviare a un cliente."));
        QVERIFY(named<QToolButton>(editor, "cmdPacchetto")
                    ->toolTip()
                    .contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K).toString(QKeySequence::NativeText)));
        for (ArchiveKind kind : bookKinds()) {
            EditorFixture book(kind);
            QVERIFY(!book.editor()->findChild<QToolButton*>(QStringLiteral("cmdPacchetto")));
            QVERIFY(named<QToolButton>(book.editor(), "cmdGalleria"));
            QCOMPARE(named<QToolButton>(book.editor(), "cmdGalleria")->statusTip(),
                QStringLiteral("Crea una galleria web del book fotografico."));
        }
    }

    void anEmptyRegistryHasNothingToSend()
    {
        QTest::mouseClick(named<QToolButton>(editor, "cmdPacchetto"), Qt::LeftButton);
        QCOMPARE(user->dialogsRun(), 0);
        QCOMPARE(
            user->messages(), onlyMessage(MessageKind::Information, pacchettoWords::emptyArchive(), Buttons::OkCancel));
    }

    // The list, the filter, the ticks and the count; nothing is made without a card.
    void choosingCards()
    {
        storeCards();
        openPackage([this](TfrmPacchetto& window) {
            QCOMPARE(named<QListView>(&window, "lstSchede")->model()->rowCount(), 3);
            QCOMPARE(named<QLabel>(&window, "lblScelte")->text(), QStringLiteral("Schede scelte: 0 di 3"));
            // Defaults: physical in, personal out.
            QVERIFY(window.fieldBox(field("Altezza"))->isChecked());
            QVERIFY(window.fieldBox(field("Capelli"))->isChecked());
            QVERIFY(!window.fieldBox(field("CodFisc"))->isChecked());
            QVERIFY(!window.fieldBox(field("Iban"))->isChecked());
            QVERIFY(named<QCheckBox>(&window, "chkFoto")->isChecked());

            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaWeb"), Qt::LeftButton);
            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaPdf"), Qt::LeftButton);
            QCOMPARE(user->messageTexts(), QStringList(2, pacchettoWords::nothingChosen()));

            QTest::keyClicks(named<QLineEdit>(&window, "txtFiltro"), QStringLiteral("verd"));
            QCOMPARE(named<QListView>(&window, "lstSchede")->model()->rowCount(), 2);
            QTest::mouseClick(named<QPushButton>(&window, "cmdSelezionaTutte"), Qt::LeftButton);
            QCOMPARE(named<QLabel>(&window, "lblScelte")->text(), QStringLiteral("Schede scelte: 2 di 3"));
            named<QLineEdit>(&window, "txtFiltro")->clear();
            QCOMPARE(named<QListView>(&window, "lstSchede")->model()->rowCount(), 3);
            QCOMPARE(named<QListView>(&window, "lstSchede")->model()->index(1, 0).data(Qt::CheckStateRole).toInt(),
                int(Qt::Unchecked));
            QCOMPARE(named<QListView>(&window, "lstSchede")->model()->index(2, 0).data(Qt::CheckStateRole).toInt(),
                int(Qt::Checked));
            QTest::keyClicks(named<QLineEdit>(&window, "txtFiltro"), QStringLiteral("Nicol"));
            QTest::mouseClick(named<QPushButton>(&window, "cmdDeselezionaTutte"), Qt::LeftButton);
            QCOMPARE(named<QLabel>(&window, "lblScelte")->text(), QStringLiteral("Schede scelte: 1 di 3"));
            QTest::mouseClick(named<QPushButton>(&window, "cmdChiudi"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        });
        QCOMPARE(user->dialogsRun(), 1);
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Pacchetti"))));
    }

    // The web page of the chosen cards, with the tax code ticked and the IBAN
    // not, offered to the browser when the user says yes.
    void webPackage_data()
    {
        QTest::addColumn<Answer>("open");
        QTest::newRow("opened") << Answer::Yes;
        QTest::newRow("not opened") << Answer::No;
    }
    void webPackage()
    {
        QFETCH(Answer, open);
        storeCards();
        user->queueAnswer(open);
        openPackage([](TfrmPacchetto& window) {
            chooseGreenEyes(window);
            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaWeb"), Qt::LeftButton);
            QTest::mouseClick(named<QPushButton>(&window, "cmdChiudi"), Qt::LeftButton);
        });
        const QString folder = packageFolder();
        QVERIFY2(QFileInfo(folder + QStringLiteral("/index.html")).isFile(), qPrintable(folder));
        QCOMPARE(user->messages(),
            onlyMessage(
                MessageKind::Confirmation, pacchettoWords::webDone(QDir::toNativeSeparators(folder)), Buttons::YesNo));
        QCOMPARE(user->works().size(), 1);
        QCOMPARE(user->works().constFirst().maximum, 2);
        QCOMPARE(user->works().constFirst().done, 2);
        QCOMPARE(user->openedFiles(),
            open == Answer::Yes ? QStringList { folder + QStringLiteral("/index.html") } : QStringList());

        const QString index = QString::fromUtf8(readBytes(folder + QStringLiteral("/index.html")));
        QVERIFY(index.contains(QLatin1String("Pacchetto per Studio &quot;Alfa&quot;/Roma")));
        QVERIFY(index.contains(QLatin1String("Casting &lt;estate&gt;")));
        QVERIFY(index.contains(QLatin1String("Giulia/Neri")));
        QVERIFY(index.contains(QStringLiteral("Nicolò &quot;Nico&quot; Dell&#39;Àcqua")));
        QVERIFY(!index.contains(QLatin1String("Marta")));
        QVERIFY(index.contains(QLatin1String("<dt>Codice fiscale</dt><dd>NREGLI95A41F205X</dd>")));
        QVERIFY(!index.contains(QLatin1String("IT60X")));
        QVERIFY(QFileInfo(folder + QStringLiteral("/Giulia_Neri.html")).isFile());
        QVERIFY(QFileInfo(folder + QStringLiteral("/foto/Giulia_Neri.jpg")).isFile());
    }

    // The user stops the web page, or the folder cannot be written: no folder is
    // left, and the user is told which it was.
    void webPackageStoppedOrFailed()
    {
        storeCards();
        user->cancelWorkAt(1);
        openPackage([](TfrmPacchetto& window) {
            chooseGreenEyes(window);
            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaWeb"), Qt::LeftButton);
            QTest::mouseClick(named<QPushButton>(&window, "cmdChiudi"), Qt::LeftButton);
        });
        QCOMPARE(
            user->messages(), onlyMessage(MessageKind::Information, pacchettoWords::webCancelled(), Buttons::OkCancel));
        QCOMPARE(QDir(dir->filePath(QStringLiteral("Pacchetti"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());

        user->clear();
        QVERIFY(QDir(dir->filePath(QStringLiteral("Pacchetti"))).removeRecursively());
        writeBytes(dir->filePath(QStringLiteral("Pacchetti")), "not a folder");
        openPackage([](TfrmPacchetto& window) {
            chooseGreenEyes(window);
            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaWeb"), Qt::LeftButton);
            QTest::mouseClick(named<QPushButton>(&window, "cmdChiudi"), Qt::LeftButton);
        });
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().constFirst().kind, MessageKind::Error);
        QVERIFY(user->messages().constFirst().text.startsWith(pacchettoWords::webFailed(QString())));
        QVERIFY(user->messages().constFirst().text.size() > pacchettoWords::webFailed(QString()).size());
        QVERIFY(user->openedFiles().isEmpty());
    }

    // The PDF: a cover and a comp card per chosen card, the chosen fields only,
    // the progress page by page; stopped or failed, the user is told.
    void pdfPackage_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<ReportOutcome>("printed");
        QTest::addColumn<QString>("message");
        QTest::newRow("printed") << 0 << ReportOutcome::Done << QString();
        QTest::newRow("print dialog cancelled") << 0 << ReportOutcome::Cancelled << QString();
        QTest::newRow("stopped at the second page") << 2 << ReportOutcome::Done << pacchettoWords::pdfCancelled();
        QTest::newRow("printer failed") << 0 << ReportOutcome::Failed << pacchettoWords::pdfFailed();
    }
    void pdfPackage()
    {
        QFETCH(int, cancelAt);
        QFETCH(ReportOutcome, printed);
        QFETCH(QString, message);
        storeCards();
        if (cancelAt)
            user->cancelWorkAt(cancelAt);
        user->queueReportOutcome(printed);
        openPackage([](TfrmPacchetto& window) {
            chooseGreenEyes(window);
            QTest::mouseClick(named<QPushButton>(&window, "cmdCreaPdf"), Qt::LeftButton);
            QTest::mouseClick(named<QPushButton>(&window, "cmdChiudi"), Qt::LeftButton);
        });
        QCOMPARE(user->messageTexts(), message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(user->reports().size(), 1);
        QCOMPARE(user->reports().constFirst().pageCount, 3);
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Pacchetti"))));
        // Nothing is being done while the print dialog waits for the user: no
        // progress window may stand over it.
        if (printed == ReportOutcome::Cancelled)
            QVERIFY(user->works().isEmpty());
        if (printed != ReportOutcome::Done || cancelAt)
            return;
        QCOMPARE(user->works().size(), 1);
        QCOMPARE(user->works().constFirst().maximum, 3);
        QCOMPARE(user->works().constFirst().done, 3);
        const QList<PdfWord> words = pdfWords(user->reports().constFirst().pdfPath);
        const QString cover = pdfPageText(words, 0);
        QVERIFY2(cover.contains(QLatin1String("Alfa")), qPrintable(cover));
        QVERIFY2(cover.contains(QLatin1String("Giulia/Neri")), qPrintable(cover));
        QVERIFY2(cover.contains(QLatin1String("Casting <estate>")), qPrintable(cover));
        QVERIFY2(!cover.contains(QLatin1String("Marta")), qPrintable(cover));
        const QString card = pdfPageText(words, 1);
        QVERIFY2(card.contains(QLatin1String("178")), qPrintable(card));
        for (int page = 0; page < 3; ++page)
            QVERIFY(!pdfPageText(words, page).contains(QLatin1String("IT60X")));
    }

    void gallery()
    {
        for (ArchiveKind kind : bookKinds()) {
            EditorFixture book(kind);
            const Archive archive(book.archivePath(), layouts::book);
            QStringList values(layouts::book.fieldCount());
            values[layouts::book.indexOf("Titolo")] = QStringLiteral("Primo <scatto>");
            values[layouts::book.indexOf("Fotografo")] = QStringLiteral("Anna");
            archive.append(values);
            values[layouts::book.indexOf("Titolo")] = QStringLiteral("Secondo");
            archive.append(values);
            book.user().queueAnswer(Answer::No);
            QTest::mouseClick(named<QToolButton>(book.editor(), "cmdGalleria"), Qt::LeftButton);
            const QString folder = book.filePath(QStringLiteral("Gallerie/")
                + package::safeFileName(EditorFixture::bookName.trimmed(), QString()) + u'_' + today());
            QCOMPARE(book.user().messages(),
                onlyMessage(MessageKind::Confirmation, pacchettoWords::galleryDone(QDir::toNativeSeparators(folder)),
                    Buttons::YesNo));
            const QString first = QString::fromUtf8(readBytes(folder + QStringLiteral("/foto-1.html")));
            QVERIFY(first.contains(QLatin1String("Primo &lt;scatto&gt;")));
            QVERIFY(first.contains(QLatin1String("<dt>Fotografo</dt><dd>Anna</dd>")));
            QVERIFY(first.contains(QLatin1String("<a href=\"foto-2.html\">Successiva</a>")));
            QCOMPARE(book.user().works().constFirst().done, 2);
        }
    }

    void galleryOfAnEmptyBook()
    {
        for (ArchiveKind kind : bookKinds()) {
            EditorFixture book(kind);
            QTest::mouseClick(named<QToolButton>(book.editor(), "cmdGalleria"), Qt::LeftButton);
            QCOMPARE(book.user().messages(),
                onlyMessage(MessageKind::Information, pacchettoWords::emptyArchive(), Buttons::OkCancel));
            QVERIFY(!QFileInfo::exists(book.filePath(QStringLiteral("Gallerie"))));
        }
    }
};

QTEST_MAIN(TestPacchetto)
#include "tst_pacchetto.moc"
