#include "common/FitToFrame.h"
#include "gui/books/BookEditor.h"
#include "gui/slideshow/TfrmSlideshow_Anagrafica.h"
#include "gui/slideshow/TfrmSlideshow_Donne.h"
#include "gui/slideshow/TfrmSlideshow_Uomini.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/CauseWords.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString noCardsMessage = QStringLiteral("L'archivio non contiene nessuna scheda.");

// The user, who also sees how the window stands whenever a message comes up.
class WatchingUser : public ScriptedInteraction {
public:
    std::function<void()> onMessage;
    Answer message(QWidget* parent, MessageKind kind, const QString& text, Buttons buttons) override
    {
        if (onMessage)
            onMessage();
        return ScriptedInteraction::message(parent, kind, text, buttons);
    }
};

// A program folder with cards and photos made for the test.
struct ProgramFolder {
    QTemporaryDir dir;

    QString path(const QString& relative) const { return dir.filePath(relative); }

    void registryCards(int count) const
    {
        cards(programfolder::registryArchivePath(dir.path()), layouts::registry, count);
    }

    static void cards(const QString& archivePath, const RecordLayout& layout, int count)
    {
        const Archive archive(archivePath, layout);
        archive.count();
        for (int i = 1; i <= count; ++i)
            archive.append(QStringList(layout.fieldCount(), QStringLiteral("Scheda %1").arg(i)));
    }

    void photo(const QString& relative, QColor colour, const QSize& size = QSize(160, 120)) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        writeBytes(path(relative), encodeJpeg(markedImage(size, colour)));
    }
};

bool nearColour(QColor seen, QColor expected)
{
    return qAbs(seen.red() - expected.red()) < 40 && qAbs(seen.green() - expected.green()) < 40
        && qAbs(seen.blue() - expected.blue()) < 40;
}

// The colour in the middle of the photo on screen (the mark is in its corner).
QColor shownColour(const SlideshowWindow& window)
{
    const QImage& picture = window.picture();
    return picture.pixelColor(picture.width() * 3 / 4, picture.height() * 3 / 4);
}

void showWindow(SlideshowWindow& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace

class TestSlideshow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeModalLeftovers(); }

    void windowsOfTheThreeArchives_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("registry") << 0 << "frmSlideshow_Anagrafica"
                                  << " Slide Show Archivio Anagrafico";
        QTest::newRow("men's book") << 1 << "frmSlideshow_Uomini"
                                    << " Slide Show Book Fotografico";
        QTest::newRow("women's book") << 2 << "frmSlideshow_Donne"
                                      << " Slide Show Book Fotografico";
    }

    void windowsOfTheThreeArchives()
    {
        QFETCH(int, kind);
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        ProgramFolder folder;
        std::unique_ptr<SlideshowWindow> window;
        if (kind == 0)
            window = std::make_unique<TfrmSlideshow_Anagrafica>(folder.dir.path());
        else if (kind == 1)
            window = std::make_unique<TfrmSlideshow_Uomini>(folder.dir.path());
        else
            window = std::make_unique<TfrmSlideshow_Donne>(folder.dir.path());

        QCOMPARE(window->objectName(), objectName);
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(window->isModal());
        for (const char* name : { "lblPosizione", "lblNome", "imgBianco", "cmdAvanti" })
            QVERIFY(!named<QWidget>(window.get(), name)->isVisibleTo(window.get()));
        QCOMPARE(window->findChild<QLabel*>("lblFile") != nullptr, kind != 0);
        QCOMPARE(named<QTimer>(window.get(), "Timer"), window->Timer);
        QCOMPARE(named<QLabel>(window, "imgBianco")->pixmap().size(), QSize(400, 360));
        QCOMPARE(window->Timer->interval(), 6000);
        QVERIFY(!window->Timer->isActive());

        // Shown: maximised, the waiting picture up, the timer running; nothing read yet.
        showWindow(*window);
        QVERIFY(window->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(window->showsWaitingPicture());
        QVERIFY(window->Timer->isActive());
        QCOMPARE(named<QLabel>(window, "lblPosizione")->text(), QString());
        QCOMPARE(named<QLabel>(window, "imgFoto")->alignment(), Qt::AlignCenter);
        QVERIFY(!QFileInfo::exists(programfolder::registryArchivePath(folder.dir.path())));

        // The timer ends with the window.
        window->close();
        QVERIFY(!window->Timer->isActive());
    }

    // Three cards, the second without a photo: 1, 2, 3, 3 held, 1 again.
    void steppingOverThreeCards()
    {
        ProgramFolder folder;
        WatchingUser user;
        folder.registryCards(3);
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::red);
        folder.photo(QStringLiteral("Anagrafica/Scheda_3.jpg"), Qt::blue);
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.Timer->stop();

        struct Tick {
            QString position;
            bool waiting;
            QColor colour;
        };
        const QList<Tick> ticks {
            { QStringLiteral("1"), false, Qt::red },
            { QStringLiteral("2"), true, {} },
            { QStringLiteral("3"), false, Qt::blue },
            { QStringLiteral("0"), false, Qt::blue },
            { QStringLiteral("1"), false, Qt::red },
            { QStringLiteral("2"), true, {} },
        };
        for (const Tick& tick : ticks) {
            window.cmdAvantiClick();
            QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), tick.position);
            QCOMPARE(window.showsWaitingPicture(), tick.waiting);
            if (!tick.waiting)
                QVERIFY2(nearColour(shownColour(window), tick.colour), qPrintable(tick.position));
        }
        QVERIFY(user.messages().isEmpty());
        QVERIFY(window.isVisible());
    }

    // One card: shown, kept a second interval, then loaded again from its file.
    void oneCardIsLoadedAgainEverySecondInterval()
    {
        ProgramFolder folder;
        WatchingUser user;
        folder.registryCards(1);
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::red);
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.Timer->stop();

        window.cmdAvantiClick();
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(nearColour(shownColour(window), Qt::red));
        window.cmdAvantiClick();
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("0"));
        QVERIFY(nearColour(shownColour(window), Qt::red));

        // The photo is replaced while it is on screen: the next showing reads the file.
        window.finishDecodingAhead();
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::green);
        QFile file(folder.path(QStringLiteral("Anagrafica/Scheda_1.jpg")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        window.cmdAvantiClick();
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(nearColour(shownColour(window), Qt::green));
        QVERIFY(user.messages().isEmpty());
    }

    void photoThatCannotBeShownShowsTheWaitingPicture_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::newRow("missing") << QString();
        QTest::newRow("not a picture") << "text";
        QTest::newRow("a folder in its place") << "folder";
    }

    void photoThatCannotBeShownShowsTheWaitingPicture()
    {
        QFETCH(QString, photo);
        ProgramFolder folder;
        WatchingUser user;
        folder.registryCards(2);
        folder.photo(QStringLiteral("Anagrafica/Scheda_2.jpg"), Qt::blue);
        if (photo == QStringLiteral("text"))
            writeBytes(folder.path(QStringLiteral("Anagrafica/Scheda_1.jpg")), "no picture at all");
        else if (photo == QStringLiteral("folder"))
            QVERIFY(QDir().mkpath(folder.path(QStringLiteral("Anagrafica/Scheda_1.jpg"))));
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.Timer->stop();

        window.cmdAvantiClick();
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(window.showsWaitingPicture());
        // What is shown is the waiting picture, drawn to fit the frame.
        QCOMPARE(window.picture().size(),
            fitInto(named<QLabel>(&window, "imgBianco")->pixmap().size(), window.picture().size()));
        window.cmdAvantiClick();
        QVERIFY(!window.showsWaitingPicture());
        QVERIFY(nearColour(shownColour(window), Qt::blue));
        QVERIFY(user.messages().isEmpty());
    }

    // The fourth entry of a book shows "<book>_Foto_4.jpg" of the side's photo
    // folder, which is made if it is missing.
    void bookSlideshowShowsTheBooksPhotos_data()
    {
        QTest::addColumn<bool>("men");
        QTest::newRow("men") << true;
        QTest::newRow("women") << false;
    }

    void bookSlideshowShowsTheBooksPhotos()
    {
        QFETCH(bool, men);
        ProgramFolder folder;
        WatchingUser user;
        const QString ownFolder = men ? QStringLiteral("Book_Uomini") : QStringLiteral("Book_Donne");
        const QString otherFolder = men ? QStringLiteral("Book_Donne") : QStringLiteral("Book_Uomini");
        const QString bookFile
            = folder.path(men ? QStringLiteral("Estate 2024.men") : QStringLiteral("Estate 2024.wmn"));
        ProgramFolder::cards(bookFile, layouts::book, 4);
        folder.photo(otherFolder + QStringLiteral("/Estate 2024_Foto_4.jpg"), Qt::red);
        folder.photo(otherFolder + QStringLiteral("/Estate 2024_Foto_1.jpg"), Qt::red);

        std::unique_ptr<SlideshowWindow> window;
        if (men)
            window = std::make_unique<TfrmSlideshow_Uomini>(folder.dir.path());
        else
            window = std::make_unique<TfrmSlideshow_Donne>(folder.dir.path());
        window->setBook(QStringLiteral("Estate 2024"), bookFile);
        showWindow(*window);
        window->Timer->stop();

        window->cmdAvantiClick();
        QCOMPARE(named<QLabel>(window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(window->showsWaitingPicture());
        QVERIFY(QFileInfo(folder.path(ownFolder)).isDir());

        folder.photo(ownFolder + QStringLiteral("/Estate 2024_Foto_4.jpg"), Qt::green);
        for (int i = 0; i < 3; ++i)
            window->cmdAvantiClick();
        QCOMPARE(named<QLabel>(window, "lblPosizione")->text(), QStringLiteral("4"));
        QVERIFY(!window->showsWaitingPicture());
        QVERIFY(nearColour(shownColour(*window), Qt::green));
        QVERIFY(user.messages().isEmpty());
    }

    void emptyArchiveClosesTheWindow_data()
    {
        QTest::addColumn<bool>("book");
        QTest::addColumn<bool>("absent");
        QTest::newRow("registry never created") << false << true;
        QTest::newRow("registry without cards") << false << false;
        QTest::newRow("book without entries") << true << false;
    }

    void emptyArchiveClosesTheWindow()
    {
        QFETCH(bool, book);
        QFETCH(bool, absent);
        ProgramFolder folder;
        WatchingUser user;
        const QString archive
            = book ? folder.path(QStringLiteral("Vuoto.wmn")) : programfolder::registryArchivePath(folder.dir.path());
        if (!absent)
            writeBytes(archive, {});
        std::unique_ptr<SlideshowWindow> window;
        if (book)
            window = std::make_unique<TfrmSlideshow_Donne>(folder.dir.path());
        else
            window = std::make_unique<TfrmSlideshow_Anagrafica>(folder.dir.path());
        window->setBook(QStringLiteral("Vuoto"), archive);
        showWindow(*window);

        bool timerDuringMessage = true;
        QString positionDuringMessage = QStringLiteral("?");
        user.onMessage = [&] {
            timerDuringMessage = window->Timer->isActive();
            positionDuringMessage = named<QLabel>(window, "lblPosizione")->text();
        };
        window->cmdAvantiClick();

        QCOMPARE(user.messages().size(), 1);
        QCOMPARE(user.messages()[0].kind, MessageKind::Information);
        QCOMPARE(user.messages()[0].text, noCardsMessage);
        QCOMPARE(user.messages()[0].buttons, Buttons::OkCancel);
        QVERIFY(!timerDuringMessage);
        QCOMPARE(positionDuringMessage, QString());
        QVERIFY(!window->isVisible());
        QVERIFY(!window->Timer->isActive());
        QCOMPARE(named<QLabel>(window, "lblPosizione")->text(), QString());
        // An archive that was not there is left behind empty.
        QVERIFY(QFileInfo::exists(archive));
        QCOMPARE(QFileInfo(archive).size(), 0);
    }

    // A step that cannot reach the archive says so, holds the timer while the
    // message is open, and tries again at the next interval.
    void stepFailureIsReportedAndTheNextIntervalTriesAgain()
    {
        ProgramFolder folder;
        WatchingUser user;
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::red);
        const QString archive = programfolder::registryArchivePath(folder.dir.path());
        QVERIFY(QDir().mkpath(archive));
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.Timer->setInterval(3600 * 1000);
        window.Timer->start();

        bool timerDuringMessage = true;
        user.onMessage = [&] { timerDuringMessage = window.Timer->isActive(); };
        window.cmdAvantiClick();
        QCOMPARE(user.messages().size(), 1);
        QCOMPARE(user.messages()[0].kind, MessageKind::Error);
        QCOMPARE(user.messages()[0].text, archiveAccessText(causewords::folderInTheWay()));
        QCOMPARE(user.messages()[0].buttons, Buttons::OkCancel);
        QVERIFY(!timerDuringMessage);
        QVERIFY(window.Timer->isActive());
        QVERIFY(window.isVisible());
        QVERIFY(window.showsWaitingPicture());
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QString());

        // The archive is reachable again: the slideshow goes on.
        QVERIFY(QDir(archive).removeRecursively());
        folder.registryCards(1);
        window.cmdAvantiClick();
        QCOMPARE(user.messages().size(), 1);
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(nearColour(shownColour(window), Qt::red));
    }

    void clickOrEscapeCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on the picture") << "imgFoto";
        QTest::newRow("click on the panel") << "panFoto";
        QTest::newRow("Escape") << "Escape";
    }

    void clickOrEscapeCloses()
    {
        QFETCH(QString, how);
        ProgramFolder folder;
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        if (how == QStringLiteral("Escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(named<QWidget>(&window, how), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!window.isVisible());
        QVERIFY(!window.Timer->isActive());
    }

    // Minimised, the slideshow rests; shown again, it goes on from where it was.
    void minimisedSlideshowRestsAndGoesOn()
    {
        ProgramFolder folder;
        WatchingUser user;
        folder.registryCards(2);
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::red);
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.cmdAvantiClick();
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(!window.showsWaitingPicture());

        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        QVERIFY(!window.Timer->isActive());
        window.showMaximized();
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.Timer->isActive());
        QCOMPARE(named<QLabel>(&window, "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(!window.showsWaitingPicture());
        QVERIFY(nearColour(shownColour(window), Qt::red));
        QVERIFY(user.messages().isEmpty());
    }

    // The timer presses the step; a test may shorten its interval.
    void timerRunsTheSteps()
    {
        ProgramFolder folder;
        WatchingUser user;
        folder.registryCards(2);
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        QSignalSpy steps(named<QToolButton>(&window, "cmdAvanti"), &QToolButton::clicked);
        window.Timer->setInterval(1);
        showWindow(window);
        QTRY_VERIFY(steps.count() >= 3);
        window.close();
        QVERIFY(user.messages().isEmpty());
    }

    // A camera file is decoded at the size it is shown, not whole.
    void largePhotoIsDecodedAtTheSizeShown()
    {
        ProgramFolder folder;
        folder.registryCards(1);
        folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::blue, QSize(4000, 3000));
        TfrmSlideshow_Anagrafica window(folder.dir.path());
        showWindow(window);
        window.Timer->stop();
        window.cmdAvantiClick();
        const QSize screen = (window.screen()->size() - QSize(60, 90)) * window.devicePixelRatioF();
        QCOMPARE(window.picture().size(), fitInto(QSize(4000, 3000), screen));
        QVERIFY(nearColour(shownColour(window), Qt::blue));
    }

    // Each editor opens the slideshow of its own archive, a new window each time,
    // owned by the editor; the book editors hand over their book, trimmed.
    void editorsOpenTheSlideshowOfTheirArchive_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("registry") << ArchiveKind::Registry << "lumidex::TfrmSlideshow_Anagrafica";
        QTest::newRow("men's book") << ArchiveKind::MenBook << "lumidex::TfrmSlideshow_Uomini";
        QTest::newRow("women's book") << ArchiveKind::WomenBook << "lumidex::TfrmSlideshow_Donne";
    }

    void editorsOpenTheSlideshowOfTheirArchive()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, windowClass);
        ProgramFolder folder;
        WatchingUser user;
        const std::unique_ptr<CardEditor> editor = makeEditor(kind, folder.dir.path());
        QString archive;
        if (auto* book = qobject_cast<BookEditor*>(editor.get())) {
            archive
                = folder.path(kind == ArchiveKind::MenBook ? QStringLiteral("Moda.men") : QStringLiteral("Moda.wmn"));
            // The editor goes by the book's file and name without their blanks.
            book->setBook(QStringLiteral("  ") + archive + QStringLiteral(" "), QStringLiteral(" Moda\t"));
            folder.photo(kind == ArchiveKind::MenBook ? QStringLiteral("Book_Uomini/Moda_Foto_1.jpg")
                                                      : QStringLiteral("Book_Donne/Moda_Foto_1.jpg"),
                Qt::green);
        } else {
            archive = programfolder::registryArchivePath(folder.dir.path());
            folder.photo(QStringLiteral("Anagrafica/Scheda_1.jpg"), Qt::green);
        }
        ProgramFolder::cards(archive, recordLayout(kind), 1);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));

        int seen = 0;
        user.onDialog([&](QDialog& dialog) {
            auto* window = qobject_cast<SlideshowWindow*>(&dialog);
            QVERIFY(window);
            // A new window every time.
            QVERIFY(!window->property("seen").isValid());
            window->setProperty("seen", true);
            ++seen;
            QCOMPARE(window->parent(), editor.get());
            QVERIFY(window->Timer->isActive());
            if (kind != ArchiveKind::Registry) {
                QCOMPARE(named<QLabel>(window, "lblNome")->text(), QStringLiteral("Moda"));
                QCOMPARE(named<QLabel>(window, "lblFile")->text(), archive);
            }
            window->cmdAvantiClick();
            QCOMPARE(named<QLabel>(window, "lblPosizione")->text(), QStringLiteral("1"));
            QVERIFY(nearColour(shownColour(*window), Qt::green));
            QTest::mouseClick(named<QLabel>(window, "imgFoto"), Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdSlideshow"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(editor, "cmdSlideshow"), Qt::LeftButton);
        QCOMPARE(user.dialogClasses(), QStringList(2, windowClass));
        QCOMPARE(seen, 2);
        QVERIFY(editor->findChildren<SlideshowWindow*>().isEmpty());
        QVERIFY(user.messages().isEmpty());
    }
};

QTEST_MAIN(TestSlideshow)
#include "tst_slideshow.moc"
