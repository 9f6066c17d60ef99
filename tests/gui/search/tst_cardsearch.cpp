#include "SearchFixtures.h"

#include "gui/search/SearchWindow.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <fcntl.h>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// How close a decoded JPEG pixel must be to the colour it was made from.
bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

} // namespace

class TestCardSearch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> f;
    CardEditor* editor = nullptr;
    ScriptedInteraction* user = nullptr;

    void open(ArchiveKind kind)
    {
        f = std::make_unique<EditorFixture>(kind);
        editor = f->editor();
        user = &f->user();
    }

    QStringList record(const QString& first, const QString& place = {}) const
    {
        return f->kind() == ArchiveKind::Registry ? registryCard(first, place) : bookEntry(first, place);
    }
    QString windowClass() const
    {
        switch (f->kind()) {
        case ArchiveKind::Registry:
            return QStringLiteral("lumidex::TfrmTrovaAnagrafica");
        case ArchiveKind::MenBook:
            return QStringLiteral("lumidex::TfrmTrovaBookUomini");
        case ArchiveKind::WomenBook:
            return QStringLiteral("lumidex::TfrmTrovaBookDonne");
        }
        return {};
    }
    // What the search window's memory label shows for the editor that opened it.
    QString memoryWords() const
    {
        switch (f->kind()) {
        case ArchiveKind::Registry:
            return QStringLiteral("anagrafica");
        case ArchiveKind::MenBook:
            return QStringLiteral("bookuomini");
        case ArchiveKind::WomenBook:
            return QStringLiteral("bookdonne");
        }
        return {};
    }
    void seed(const QList<QStringList>& records) const { writeRecords(f->archivePath(), f->layout(), records); }
    void writePhoto(int position, const QColor& colour) const
    {
        f->writePhoto(position, encodeJpeg(markedImage(QSize(60, 80), colour)));
    }
    // The user double-clicks the line of the record whose first field is `first`.
    void chooseLineOf(const QString& first, const std::function<void(SearchWindow&)>& meanwhile = {})
    {
        user->onDialog([=](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            runSearch(window);
            if (meanwhile)
                meanwhile(window);
            const int row = rowStartingWith(window, first);
            QVERIFY(row >= 0);
            doubleClickRow(window, row);
            QVERIFY(!window.isVisible());
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);
        QCOMPARE(user->dialogsRun(), 1);
    }
    // A pixel of the photo's own colour, away from its dark mark in the corner.
    QColor photoColour() const
    {
        const QImage& image = editor->photo().image();
        return image.pixelColor(image.width() * 3 / 4, image.height() * 3 / 4);
    }
    QStringList trimmedValues(const QStringList& values) const
    {
        QStringList trimmed;
        for (const QString& value : values)
            trimmed << value.trimmed();
        return trimmed;
    }

private slots:
    void cleanup()
    {
        f.reset();
        editor = nullptr;
        user = nullptr;
    }

    void aDoubleClickLoadsTheCardAndItsPhoto_data() { addKindRows(); }
    void aDoubleClickLoadsTheCardAndItsPhoto()
    {
        QFETCH(ArchiveKind, kind);
        open(kind);
        const QList<QStringList> records { record(QStringLiteral("Zeno"), QStringLiteral("Roma")),
            record(QStringLiteral("Anna"), QStringLiteral("Rimini")), record(QStringLiteral("Bruno")) };
        seed(records);
        writePhoto(2, QColor(0x20, 0xA0, 0x40));
        const QByteArray archiveBefore = readBytes(editor->archivePath());

        QString marker;
        user->onDialog([&](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            marker = named<QLabel>(&window, "lblMemory")->text();
            runSearch(window);
            doubleClickRow(window, rowStartingWith(window, QStringLiteral("Anna")));
            QCOMPARE(window.result(), int(QDialog::Accepted));
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);

        QCOMPARE(user->dialogClasses(), QStringList { windowClass() });
        QCOMPARE(marker, memoryWords());
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(editor->currentValues(), trimmedValues(records.at(1)));
        QVERIFY(!editor->photo().showsPlaceholder());
        QVERIFY(near(photoColour(), QColor(0x20, 0xA0, 0x40)));
        // The search reads the archive and never writes it.
        QCOMPARE(readBytes(editor->archivePath()), archiveBefore);
    }

    void identicalLinesLoadTheLaterCard_data() { addKindRows(); }
    void identicalLinesLoadTheLaterCard()
    {
        QFETCH(ArchiveKind, kind);
        open(kind);
        // Cards that differ only in fields the line does not show.
        QStringList earlier = record("Anna");
        QStringList later = record("Anna");
        const int hidden
            = kind == ArchiveKind::Registry ? layouts::registry.indexOf("Occhi") : layouts::book.indexOf("Abiti");
        earlier[hidden] = QStringLiteral("prima");
        later[hidden] = QStringLiteral("dopo");
        seed({ earlier, record("Bruno"), later, record("Carla") });
        writePhoto(3, QColor(0xC0, 0x30, 0x30));

        chooseLineOf("Anna");
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("3"));
        QCOMPARE(editor->field(hidden)->text(), QStringLiteral("dopo"));
        QVERIFY(near(photoColour(), QColor(0xC0, 0x30, 0x30)));
    }

    void aCardWithoutPhotoShowsThePlaceholder()
    {
        open(ArchiveKind::Registry);
        seed({ record("Anna") });
        chooseLineOf("Anna");
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(editor->photo().showsPlaceholder());
        QCOMPARE(editor->photo().image(), editor->photo().placeholder());
    }

    void aLineNoLongerInTheArchiveLoadsNothing_data() { addKindRows(); }
    void aLineNoLongerInTheArchiveLoadsNothing()
    {
        QFETCH(ArchiveKind, kind);
        open(kind);
        seed({ record("Anna"), record("Bruno") });
        QTest::mouseClick(named<QToolButton>(editor, "cmdPrimo"), Qt::LeftButton);
        const QStringList shown = editor->currentValues();

        // Someone else changes the card while the list is on screen.
        chooseLineOf(
            "Bruno", [this](SearchWindow&) { Archive(f->archivePath(), f->layout()).write(2, record("Bruna")); });
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(editor->currentValues(), shown);
        QVERIFY(user->messages().isEmpty());
    }

    // The archive cannot be read again when the user picks a line: the window
    // closes as always, the editor keeps its card, and the user hears why.
    void aReadFailureOnTheDoubleClickIsTold_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("cause");
        const QString lockedText = QString::fromUtf8("Il file è bloccato da un altro computer.");
        const QString folderText = QString::fromUtf8("Al posto del file c'è una cartella, o al posto della cartella "
                                                     "un file.");
        QTest::newRow("registry, kept by another program") << ArchiveKind::Registry << true << lockedText;
        QTest::newRow("men's book, kept by another program") << ArchiveKind::MenBook << true << lockedText;
        QTest::newRow("registry, a folder in its place") << ArchiveKind::Registry << false << folderText;
        QTest::newRow("women's book, a folder in its place") << ArchiveKind::WomenBook << false << folderText;
    }
    void aReadFailureOnTheDoubleClickIsTold()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(bool, locked);
        QFETCH(QString, cause);
        open(kind);
        seed({ record("Anna"), record("Bruno") });
        QTest::mouseClick(named<QToolButton>(editor, "cmdPrimo"), Qt::LeftButton);
        const QStringList shown = editor->currentValues();

        Archive::setDefaultLockTimeout(200);
        const auto restore = qScopeGuard([] { Archive::setDefaultLockTimeout(Archive::lockTimeoutMs); });
        QFile other(f->archivePath());
        chooseLineOf("Bruno", [&](SearchWindow&) {
            if (locked) {
                // Another program instance on the same folder holds the archive.
                QVERIFY(other.open(QIODevice::ReadWrite));
                struct flock region = {};
                region.l_type = F_WRLCK;
                region.l_whence = SEEK_SET;
                QCOMPARE(::fcntl(other.handle(), F_OFD_SETLK, &region), 0);
            } else {
                QVERIFY(QFile::rename(f->archivePath(), f->archivePath() + QStringLiteral(".spostato")));
                QVERIFY(QDir().mkdir(f->archivePath()));
            }
        });
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Plain, archiveAccessText() + QStringLiteral("\r\n\r\n") + cause, Buttons::Ok));
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(editor->currentValues(), shown);
    }

    // A card found before the read failed still goes to the editor, and the
    // user hears that the archive was not read to its end.
    void aCardFoundBeforeTheFailureStillLoads()
    {
        open(ArchiveKind::Registry);
        seed({ record(QStringLiteral("Anna")), record(QStringLiteral("Bruno")) });
        chooseLineOf(QStringLiteral("Bruno"), [&](SearchWindow& window) {
            window.setRecordSource([this](int, const RecordVisit& visit) {
                visitRecord(visit, layouts::registry, 1, record(QStringLiteral("Anna")));
                visitRecord(visit, layouts::registry, 2, record(QStringLiteral("Bruno")));
                throw ArchiveError(QStringLiteral("Input/output error"), FailureCause::fromSystem(EIO));
            });
        });
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Plain,
                archiveAccessText() + QStringLiteral("\r\n\r\nErrore di lettura o scrittura sul disco."), Buttons::Ok));
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(editor->field(0)->text(), QStringLiteral("Bruno"));
    }

    void aDoubleClickWithoutSelectionClosesSilently()
    {
        open(ArchiveKind::MenBook);
        seed({ record(QStringLiteral("Alba")) });
        bool closed = false;
        user->onDialog([&](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            runSearch(window);
            window.lstRecordsDblClick();
            closed = !window.isVisible();
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);
        QVERIFY(closed);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QString());
        QCOMPARE(editor->field(0)->text(), QString());
        QVERIFY(user->messages().isEmpty());
    }

    // On an empty list there is no line to double-click: the list's own double
    // click never comes, yet the user's ends the window all the same.
    void aDoubleClickOnAnEmptyListCloses_data() { addKindRows(); }
    void aDoubleClickOnAnEmptyListCloses()
    {
        QFETCH(ArchiveKind, kind);
        open(kind);
        bool closed = false;
        user->onDialog([&](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            runSearch(window);
            QVERIFY(window.listedLines().isEmpty());
            QTest::mouseDClick(named<QListView>(&window, "lstRecords")->viewport(), Qt::LeftButton, {}, QPoint(40, 20));
            closed = !window.isVisible();
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);
        QVERIFY(closed);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QString());
        QVERIFY(user->messages().isEmpty());
    }

    void enterOnALineLoadsItToo()
    {
        open(ArchiveKind::Registry);
        seed({ record(QStringLiteral("Anna")), record(QStringLiteral("Bruno")) });
        user->onDialog([&](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            runSearch(window);
            named<QLineEdit>(&window, "txtTrova")->setText(QStringLiteral("bruno"));
            QTest::mouseClick(named<QPushButton>(&window, "btnTrova"), Qt::LeftButton);
            named<QListView>(&window, "lstRecords")->setFocus();
            QTest::keyClick(named<QListView>(&window, "lstRecords"), Qt::Key_Return);
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("2"));
    }

    // The window serves the editor of its kind; words written into its memory
    // label change nothing.
    void theMemoryLabelDecidesNothing_data()
    {
        QTest::addColumn<QString>("written");
        QTest::newRow("its own words") << "anagrafica";
        QTest::newRow("a book editor's words") << "bookuomini";
        QTest::newRow("another case") << "Anagrafica";
        QTest::newRow("none") << "";
    }
    void theMemoryLabelDecidesNothing()
    {
        QFETCH(QString, written);
        open(ArchiveKind::Registry);
        seed({ record("Anna") });
        chooseLineOf(
            "Anna", [written](SearchWindow& window) { named<QLabel>(&window, "lblMemory")->setText(written); });
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(editor->field(0)->text(), QStringLiteral("Anna"));
    }

    void theBookSearchReadsTheEditorsBook()
    {
        open(ArchiveKind::WomenBook);
        writeRecords(f->filePath(QStringLiteral("Altro.wmn")), layouts::book, { record(QStringLiteral("Altrove")) });
        seed({ record(QStringLiteral("Alba")) });
        QStringList listed;
        user->onDialog([&](QDialog& dialog) {
            auto& window = static_cast<SearchWindow&>(dialog);
            runSearch(window);
            listed = window.listedLines();
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdTrova"), Qt::LeftButton);
        QCOMPARE(listed.size(), 1);
        QVERIFY(listed.first().startsWith(QLatin1String("Alba")));
    }

    void ctrlFOpensTheSearch_data() { addKindRows(); }
    void ctrlFOpensTheSearch()
    {
        QFETCH(ArchiveKind, kind);
        open(kind);
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        // A shortcut presses its button visibly, a moment later.
        QTRY_COMPARE(user->dialogClasses(), QStringList { windowClass() });
        // Closed without a choice: the editor keeps its new, empty card.
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QString());
    }
};

QTEST_MAIN(TestCardSearch)
#include "tst_cardsearch.moc"
