#include "gui/books/TfrmApriDonne.h"
#include "gui/books/TfrmApriUomini.h"
#include "gui/books/TfrmCreaDonne.h"
#include "gui/books/TfrmCreaUomini.h"
#include "gui/books/TfrmMenuDonne.h"
#include "gui/books/TfrmMenuUomini.h"
#include "help/HelpPages.h"
#include "support/HelpTexts.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString emptyList = QStringLiteral("Attenzione: l'elenco non contiene nessun book fotografico.");

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class TestBookCatalogue : public ScriptedTestCase {
    Q_OBJECT

private:
    ScriptedInteraction::Message lastMessage() const { return user->messages().constLast(); }
    void touch(const QString& name, const QByteArray& bytes = {}) const { writeBytes(dir->filePath(name), bytes); }

    std::unique_ptr<BookCreation> creation(bool men) const
    {
        std::unique_ptr<BookCreation> window;
        if (men)
            window = std::make_unique<TfrmCreaUomini>(dir->path());
        else
            window = std::make_unique<TfrmCreaDonne>(dir->path());
        window->show();
        window->activateWindow();
        return window;
    }
    std::unique_ptr<BookOpening> opening(bool men) const
    {
        std::unique_ptr<BookOpening> window;
        if (men)
            window = std::make_unique<TfrmApriUomini>(dir->path());
        else
            window = std::make_unique<TfrmApriDonne>(dir->path());
        window->show();
        return window;
    }
    static void select(BookOpening* window, const QString& text)
    {
        const auto found = named<QListWidget>(window, "lstFiles")->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        named<QListWidget>(window, "lstFiles")->setCurrentItem(found.constFirst());
    }

private slots:

    // Book menu

    void menuButtonsLeaveTheirChoiceInTheMarker_data()
    {
        QTest::addColumn<bool>("men");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("exit");
        QTest::newRow("men create") << true << "btnCrea"
                                    << "crea" << int(BookMenuExit::Creation);
        QTest::newRow("women open") << false << "btnCompila"
                                    << "apri" << int(BookMenuExit::Opening);
        QTest::newRow("men exit") << true << "imgEsci"
                                  << "avvio" << int(BookMenuExit::StartMenu);
    }
    void menuButtonsLeaveTheirChoiceInTheMarker()
    {
        QFETCH(bool, men);
        QFETCH(QString, button);
        QFETCH(QString, marker);
        QFETCH(int, exit);
        std::unique_ptr<BookMenu> menu;
        if (men)
            menu = std::make_unique<TfrmMenuUomini>(dir->path());
        else
            menu = std::make_unique<TfrmMenuDonne>(dir->path());
        QCOMPARE(menu->windowTitle(),
            men ? QStringLiteral(" Lumidex - Book Uomini") : QStringLiteral(" Lumidex - Book Donne"));
        QCOMPARE(menu->objectName(), men ? QStringLiteral("frmMenuUomini") : QStringLiteral("frmMenuDonne"));
        QCOMPARE(named<QPushButton>(menu, "btnCrea")->text(), QStringLiteral("Crea nuovo book fotografico"));
        QCOMPARE(named<QPushButton>(menu, "btnCompila")->text(), QStringLiteral("Apri book fotografico esistente"));
        QCOMPARE(named<QLabel>(menu, "lblIstruzioni")->text(),
            QStringLiteral("Premere il pulsante per creare un nuovo book fotografico o per aprirne uno esistente."));
        QVERIFY(named<QLabel>(menu, "lblMemory")->isHidden());

        named<QLabel>(menu, "lblMemory")->setText(QStringLiteral("apri"));
        menu->show();
        QCOMPARE(named<QLabel>(menu, "lblMemory")->text(), QStringLiteral("avvio"));
        QCOMPARE(int(menu->exit()), int(BookMenuExit::StartMenu));
        QSignalSpy closed(menu.get(), &BookMenu::closed);
        QTest::mouseClick(named<QAbstractButton>(menu.get(), button), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(named<QLabel>(menu, "lblMemory")->text(), marker);
        QCOMPARE(int(menu->exit()), exit);
        QVERIFY(!menu->isVisible());
        QVERIFY(user->messages().isEmpty());
    }

    void helpPicturesShowTheBooksPage()
    {
        TfrmMenuDonne menu(dir->path());
        TfrmCreaUomini creationWindow(dir->path());
        TfrmApriDonne openingWindow(dir->path());
        QStringList titles;
        user->onDialog([&](QDialog& dialog) { titles << named<QLabel>(&dialog, QStringLiteral("lblTitolo"))->text(); });
        for (BookScreen* window : std::initializer_list<BookScreen*> { &menu, &creationWindow, &openingWindow }) {
            window->show();
            QTest::mouseClick(named<QToolButton>(window, QStringLiteral("imgGuida")), Qt::LeftButton);
        }
        QCOMPARE(user->dialogClasses(), QStringList(3, QStringLiteral("lumidex::TfrmGuida")));
        QCOMPARE(titles, QStringList(3, helptexts::title(HelpPage::Books)));
    }

    // Creation window

    void createsAnEmptyBookFileUnderTheTrimmedName_data() { addSideRows(); }
    void createsAnEmptyBookFileUnderTheTrimmedName()
    {
        QFETCH(bool, men);
        auto window = creation(men);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Lumidex - Creazione book fotografico"));
        QVERIFY(window->findChild<QLabel*>(men ? QStringLiteral("icoUomo") : QStringLiteral("icoDonna")));
        QCOMPARE(named<QLineEdit>(window, "txtFile")->maxLength(), 250);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        named<QLineEdit>(window, "txtFile")->setText(QStringLiteral("  Sfilata d'autunno \t"));
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);

        const QString file
            = dir->filePath(men ? QStringLiteral("Sfilata d'autunno.men") : QStringLiteral("Sfilata d'autunno.wmn"));
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(QFileInfo(file).size(), 0);
        // Nothing else is left beside it.
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList { QFileInfo(file).fileName() });
        QCOMPARE(named<QLabel>(window, "lblFile")->text(), file);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Il file di archivio relativo al nuovo book fotografico è stato creato con successo."
                           "\r\n\r\nE' ora possibile visualizzarlo nell'elenco dei book fotografici esistenti."));
        QCOMPARE(closed.count(), 1);

        // The next showing starts empty.
        window->show();
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), QString());
    }

    void aNameIsRequired_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "    ";
    }
    void aNameIsRequired()
    {
        QFETCH(QString, name);
        auto window = creation(true);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        named<QLineEdit>(window, "txtFile")->setText(name);
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: per creare il nuovo archivio è necessario indicare il "
                           "nome del nuovo book fotografico."));
        QCOMPARE(window->focusWidget(), named<QLineEdit>(window, "txtFile"));
        QCOMPARE(closed.count(), 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }

    void anExistingNameIsNotCreatedAgain()
    {
        touch(QStringLiteral("Estate.wmn"), QByteArray(3548, 'x'));
        auto window = creation(false);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        named<QLineEdit>(window, "txtFile")->setText(QStringLiteral("Estate"));
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: il nome del book fotografico indicato è già stato utilizzato in "
                           "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera aprire un book "
                           "fotografico già creato, premere il pulsante Apri book fotografico esistente."));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Estate.wmn"))).size(), 3548);
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), QStringLiteral("Estate"));
        QCOMPARE(closed.count(), 0);

        // The other side may use the same name.
        auto men = creation(true);
        named<QLineEdit>(men, "txtFile")->setText(QStringLiteral("Estate"));
        QTest::mouseClick(named<QAbstractButton>(men, "btnApplica"), Qt::LeftButton);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Estate.men"))));
    }

    void theKeyFilterSwallowsFileNameCharacters()
    {
        auto window = creation(true);
        named<QLineEdit>(window, "txtFile")->setFocus();
        for (const QChar c : QStringLiteral("a\"b*c/d:e<f>g?h\\i°jÇkÑlçmñn|o"))
            QTest::sendKeyEvent(QTest::Click, named<QLineEdit>(window, "txtFile"), Qt::Key(c.toUpper().unicode()),
                QString(c), Qt::NoModifier);
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), QStringLiteral("abcdefghijklmn|o"));
    }

    // A book's name takes the letters a card takes, typed or pasted, and the
    // status line says what became of the others.
    void bookNamesTakeThePlainFormOfLetters()
    {
        auto window = creation(true);
        window->show();
        named<QLineEdit>(window, "txtFile")->setFocus();
        for (const QString& key : { QString::fromUtf8("İ"), QStringLiteral("s"), QString::fromUtf8("ţ") }) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
            QApplication::sendEvent(named<QLineEdit>(window, "txtFile"), &press);
        }
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), QStringLiteral("Ist"));
        QCOMPARE(named<QLabel>(window, "lblAvviso")->text(),
            QString::fromUtf8(
                "Il carattere «ţ» non può essere memorizzato nella scheda ed è stato sostituito con «t»."));
        paste(named<QLineEdit>(window, "txtFile"), QString::fromUtf8(" Łódź 🎉"));
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), QString::fromUtf8("Ist Lódz "));
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(dir->filePath(QString::fromUtf8("Ist Lódz.men"))));
    }

    void namesThatEscapedTheKeyFilterAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << "../fuga";
        QTest::newRow("subfolder") << "Book_Uomini/dentro";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("pipe") << "uno|due";
        QTest::newRow("question mark") << "chi?";
        QTest::newRow("control character") << "a\u0001b";
        QTest::newRow("cedilla") << "Françoise";
    }
    void namesThatEscapedTheKeyFilterAreRefused()
    {
        QFETCH(QString, name);
        auto window = creation(true);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        // Pasted, so the key filter never saw it.
        QGuiApplication::clipboard()->setText(name);
        named<QLineEdit>(window, "txtFile")->setFocus();
        named<QLineEdit>(window, "txtFile")->paste();
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), name);
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);

        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: il nome del book fotografico contiene caratteri non ammessi.\r\n\r\n"
                           "Non utilizzare i caratteri \\ / : * ? \" < > | ° Ç Ñ ç ñ."));
        QVERIFY(lastMessage().text.contains(QStringLiteral("caratteri \\ / :")));
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), name);
        QCOMPARE(window->focusWidget(), named<QLineEdit>(window, "txtFile"));
        QCOMPARE(closed.count(), 0);

        // Nothing was created, here or anywhere near.
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QDir parent(dir->path());
        parent.cdUp();
        QVERIFY(!QFileInfo::exists(parent.filePath(QStringLiteral("fuga.men"))));
    }

    void aNameTheFileSystemRefusesIsReportedAsAnError_data()
    {
        QTest::addColumn<QString>("name");
        // 250 letters of two bytes each: longer than any file name may be, for root too.
        QTest::newRow("book file too long") << QString(250, QChar(0x00E8));
        // The book file itself fits, but not the file names of its later photos
        // ("<name>_Foto_<up to ten digits>.jpg"): every Save would lose its photo.
        QTest::newRow("photo names too long") << QString(236, QLatin1Char('a'));
        QTest::newRow("photo names too long, accented") << QString(118, QChar(0x00E8));
    }
    void aNameTheFileSystemRefusesIsReportedAsAnError()
    {
        QFETCH(QString, name);
        auto window = creation(false);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        named<QLineEdit>(window, "txtFile")->setText(name);
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Error);
        QVERIFY(!lastMessage().text.contains(QStringLiteral("successo")));
        QCOMPARE(closed.count(), 0);
        QCOMPARE(named<QLineEdit>(window, "txtFile")->text(), name);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void theLongestNameWhosePhotosFitIsCreated()
    {
        // 235 letters: "<name>_Foto_9999999999.jpg" is exactly 255 bytes.
        const QString name(235, QLatin1Char('a'));
        auto window = creation(true);
        named<QLineEdit>(window, "txtFile")->setText(name);
        QTest::mouseClick(named<QAbstractButton>(window, "btnApplica"), Qt::LeftButton);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QVERIFY(QFileInfo::exists(dir->filePath(name + QStringLiteral(".men"))));
        QDir(dir->path()).mkdir(QStringLiteral("Book_Uomini"));
        QFile photo(dir->filePath(QStringLiteral("Book_Uomini/") + name + QStringLiteral("_Foto_9999999999.jpg")));
        QVERIFY2(photo.open(QIODevice::WriteOnly), qPrintable(photo.errorString()));
    }

    void cancelClosesWithoutCreating()
    {
        auto window = creation(true);
        QSignalSpy closed(window.get(), &BookCreation::closed);
        named<QLineEdit>(window, "txtFile")->setText(QStringLiteral("Mai creato"));
        QTest::mouseClick(named<QAbstractButton>(window, "btnAnnulla"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }

    // Opening window

    void listsOnlyTheSidesBooksInTheProgramFolder()
    {
        touch(QStringLiteral("zeta.men"));
        touch(QStringLiteral("Alfa.men"), QByteArray(3548, 'a'));
        touch(QStringLiteral("beta.men"));
        touch(QStringLiteral("beta.men.lock"));
        touch(QStringLiteral("donna.wmn"));
        touch(QStringLiteral("Archivio_Anagrafico.pro"));
        QDir(dir->path()).mkpath(QStringLiteral("Book_Uomini"));
        touch(QStringLiteral("Book_Uomini/nascosto.men"));
        QDir(dir->path()).mkdir(QStringLiteral("cartella.men"));

        auto window = opening(true);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Lumidex - Apertura book fotografico"));
        QCOMPARE(itemTexts(named<QListWidget>(window, "lstFiles")),
            (QStringList { QStringLiteral("Alfa.men"), QStringLiteral("beta.men"), QStringLiteral("zeta.men") }));
        QCOMPARE(named<QLabel>(window, "lblCreati")->text(), QStringLiteral("Sono stati creati 3 book fotografici."));
        QCOMPARE(named<QListWidget>(window, "lstFiles")->item(0)->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(named<QListWidget>(window, "lstFiles")->item(0)->font().pointSize(), 14);

        auto women = opening(false);
        QCOMPARE(itemTexts(named<QListWidget>(women, "lstFiles")), QStringList { QStringLiteral("donna.wmn") });
        QCOMPARE(named<QLabel>(women, "lblCreati")->text(), QStringLiteral("Sono stati creati 1 book fotografici."));
    }

    void anEmptyListWarnsOnOpenAndDelete()
    {
        auto window = opening(false);
        QCOMPARE(named<QListWidget>(window, "lstFiles")->count(), 0);
        QCOMPARE(named<QLabel>(window, "lblCreati")->text(), QStringLiteral("Sono stati creati 0 book fotografici."));
        QTest::mouseClick(named<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(user->messageTexts(), (QStringList { emptyList, emptyList }));
        QCOMPARE(user->messages().at(0).kind, MessageKind::Warning);
        QCOMPARE(user->messages().at(1).buttons, Buttons::OkCancel);
        QVERIFY(window->isVisible());
    }

    void nothingSelectedWarnsOnOpenAndDelete()
    {
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        named<QListWidget>(window, "lstFiles")->clearSelection();
        QTest::mouseClick(named<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(user->messageTexts(),
            (QStringList { QStringLiteral("Attenzione: selezionare dall'elenco il book fotografico prima di "
                                          "premere il pulsante Apri archivio."),
                QStringLiteral("Attenzione: selezionare dall'elenco il book fotografico da eliminare "
                               "prima di premere il pulsante del cestino.") }));
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Estate.men"))));
    }

    void openingSetsTheMarkerAndThePath_data() { addSideRows(); }
    void openingSetsTheMarkerAndThePath()
    {
        QFETCH(bool, men);
        const QString file = men ? QStringLiteral("Estate.men") : QStringLiteral("Estate.wmn");
        touch(file);
        auto window = opening(men);
        QSignalSpy closed(window.get(), &BookOpening::closed);
        select(window.get(), file);
        QTest::mouseClick(named<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(named<QLabel>(window, "lblMemory")->text(), men ? QStringLiteral("uomini") : QStringLiteral("donne"));
        QCOMPARE(int(window->exit()), int(BookOpeningExit::Editor));
        QCOMPARE(named<QLabel>(window, "lblFile")->text(), dir->filePath(file));
        QCOMPARE(window->selectedItemText(), file);

        // A new showing forgets both.
        window->show();
        QCOMPARE(named<QLabel>(window, "lblMemory")->text(), QStringLiteral("avvio"));
        QCOMPARE(int(window->exit()), int(BookOpeningExit::StartMenu));
        QCOMPARE(named<QLabel>(window, "lblFile")->text(), QString());
    }

    void noBookLooksChosenUntilTheUserPicksOne()
    {
        touch(QStringLiteral("Autunno.men"));
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        window->activateWindow();
        named<QListWidget>(window, "lstFiles")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(named<QListWidget>(window, "lstFiles")->hasFocus());
        QTRY_COMPARE(named<QListWidget>(window, "lstFiles")->currentRow(), -1);
        // The first key down picks the first book, not the second.
        QTest::keyClick(named<QListWidget>(window, "lstFiles"), Qt::Key_Down);
        QCOMPARE(window->selectedItemText(), QStringLiteral("Autunno.men"));
    }

    void aDoubleClickOpensThatBook()
    {
        touch(QStringLiteral("Autunno.men"));
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        QSignalSpy closed(window.get(), &BookOpening::closed);
        QListWidgetItem* estate = named<QListWidget>(window, "lstFiles")->item(1);
        const QPoint at = named<QListWidget>(window, "lstFiles")->visualItemRect(estate).center();
        // A double click is a click and then the second press.
        QTest::mouseClick(named<QListWidget>(window, "lstFiles")->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(named<QListWidget>(window, "lstFiles")->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(named<QLabel>(window, "lblMemory")->text(), QStringLiteral("uomini"));
        QCOMPARE(named<QLabel>(window, "lblFile")->text(), dir->filePath(QStringLiteral("Estate.men")));
    }

    void deletionAsksAndRemovesOnlyTheArchive()
    {
        touch(QStringLiteral("Estate.wmn"));
        touch(QStringLiteral("Inverno.wmn"));
        QDir(dir->path()).mkpath(QStringLiteral("Book_Donne"));
        touch(QStringLiteral("Book_Donne/Estate_Foto_1.jpg"), "photo");
        auto window = opening(false);
        select(window.get(), QStringLiteral("Estate.wmn"));

        user->queueAnswer(Answer::No);
        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Confirmation);
        QCOMPARE(lastMessage().buttons, Buttons::YesNo);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Si sta per eliminare il book fotografico selezionato. Si ricorda che il file "
                           "eliminato non potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione "
                           "dell'archivio?"));
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Estate.wmn"))));

        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(user->messages().size(), 3);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, QStringLiteral("Il book fotografico è stato eliminato con successo."));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Estate.wmn"))));
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Book_Donne/Estate_Foto_1.jpg"))));
        QCOMPARE(itemTexts(named<QListWidget>(window, "lstFiles")), QStringList { QStringLiteral("Inverno.wmn") });
        QCOMPARE(named<QLabel>(window, "lblCreati")->text(), QStringLiteral("Sono stati creati 1 book fotografici."));
        QCOMPARE(named<QLabel>(window, "lblMemory")->text(), QStringLiteral("avvio"));

        select(window.get(), QStringLiteral("Inverno.wmn"));
        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(window, "lblCreati")->text(), QStringLiteral("Sono stati creati 0 book fotografici."));
    }

    void aDeletionThatFailsIsNotReportedAsSuccess()
    {
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        select(window.get(), QStringLiteral("Estate.men"));
        // Something that cannot be removed as a file, not even by root, takes the book's place.
        QVERIFY(QFile::remove(dir->filePath(QStringLiteral("Estate.men"))));
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("Estate.men")));
        touch(QStringLiteral("Estate.men/dentro.txt"), "x");

        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(user->messages().size(), 2);
        QCOMPARE(lastMessage().kind, MessageKind::Error);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: non è stato possibile eliminare il book fotografico selezionato.\r\n\r\n"
                           "Accertarsi che il file non sia aperto in un altro programma e di possedere i "
                           "privilegi di scrittura nella cartella di installazione del programma."));
        QVERIFY(!user->messageTexts().contains(QStringLiteral("Il book fotografico è stato eliminato con successo.")));
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Estate.men/dentro.txt"))));
        // The list is read again from the folder.
        QCOMPARE(named<QListWidget>(window, "lstFiles")->count(), 0);
        QCOMPARE(named<QLabel>(window, "lblCreati")->text(), QStringLiteral("Sono stati creati 0 book fotografici."));
    }

    // A book file that came in from elsewhere may begin with a blank; the list
    // shows it, so opening and deleting it must reach that very file.
    void aListedFileIsTheOneOpenedAndDeleted()
    {
        touch(QStringLiteral(" Estate.men"), QByteArray(3548, 'x'));
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        QCOMPARE(itemTexts(named<QListWidget>(window, "lstFiles")),
            (QStringList { QStringLiteral(" Estate.men"), QStringLiteral("Estate.men") }));
        select(window.get(), QStringLiteral(" Estate.men"));
        QTest::mouseClick(named<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(window, "lblFile")->text(), dir->filePath(QStringLiteral(" Estate.men")));

        window->show();
        select(window.get(), QStringLiteral(" Estate.men"));
        QTest::mouseClick(named<QToolButton>(window, "btnElimina"), Qt::LeftButton);
        QCOMPARE(lastMessage().text, QStringLiteral("Il book fotografico è stato eliminato con successo."));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral(" Estate.men"))));
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("Estate.men"))));
        QCOMPARE(itemTexts(named<QListWidget>(window, "lstFiles")), QStringList { QStringLiteral("Estate.men") });
    }

    void cancelLeavesWithTheStartMarker()
    {
        touch(QStringLiteral("Estate.men"));
        auto window = opening(true);
        select(window.get(), QStringLiteral("Estate.men"));
        QSignalSpy closed(window.get(), &BookOpening::closed);
        QTest::mouseClick(named<QAbstractButton>(window, "btnAnnulla"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(named<QLabel>(window, "lblMemory")->text(), QStringLiteral("avvio"));
        QCOMPARE(int(window->exit()), int(BookOpeningExit::StartMenu));
    }

    // The memory label only shows the way out: words written into it lead nowhere.
    void theMenuLeadsWhereItsButtonsChoseWhateverItsLabelSays_data()
    {
        QTest::addColumn<QString>("written");
        QTest::newRow("create") << "crea";
        QTest::newRow("open") << "apri";
        QTest::newRow("a side's open words") << "uomini";
    }
    void theMenuLeadsWhereItsButtonsChoseWhateverItsLabelSays()
    {
        QFETCH(QString, written);
        TfrmMenuUomini menu(dir->path());
        menu.show();
        named<QLabel>(&menu, "lblMemory")->setText(written);
        QTest::mouseClick(named<QToolButton>(&menu, "imgEsci"), Qt::LeftButton);
        QCOMPARE(int(menu.exit()), int(BookMenuExit::StartMenu));
    }
};

QTEST_MAIN(TestBookCatalogue)
#include "tst_bookcatalogue.moc"
