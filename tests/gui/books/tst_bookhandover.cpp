#include "app/WindowSet.h"
#include "gui/books/TfrmApriDonne.h"
#include "gui/books/TfrmApriUomini.h"
#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/books/TfrmCreaDonne.h"
#include "gui/books/TfrmCreaUomini.h"
#include "gui/books/TfrmMenuDonne.h"
#include "gui/books/TfrmMenuUomini.h"
#include "gui/shell/TfrmAvvio.h"
#include "gui/shell/TfrmPassword.h"
#include "storage/Layouts.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestRecords.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

// The road through the book windows, as the window set leads the user along it.
class TestBookHandOver : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<WindowSet> windows;

    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    QWidget* visible() const { return windows->visibleScreen(); }
    BookMenu* menu(bool men) const
    {
        return men ? static_cast<BookMenu*>(windows->frmMenuUomini()) : windows->frmMenuDonne();
    }
    BookCreation* creation(bool men) const
    {
        return men ? static_cast<BookCreation*>(windows->frmCreaUomini()) : windows->frmCreaDonne();
    }
    BookOpening* opening(bool men) const
    {
        return men ? static_cast<BookOpening*>(windows->frmApriUomini()) : windows->frmApriDonne();
    }
    BookEditor* editor(bool men) const
    {
        return men ? static_cast<BookEditor*>(windows->frmBookUomini()) : windows->frmBookDonne();
    }
    void toBookMenu(bool men) const
    {
        QVERIFY(visible() == windows->frmAvvio());
        if (men)
            emit windows->frmAvvio()->menBooksRequested();
        else
            emit windows->frmAvvio()->womenBooksRequested();
        QCOMPARE(visible(), menu(men));
    }
    void openBook(bool men, const QString& file) const
    {
        toBookMenu(men);
        click(named<QPushButton>(menu(men), "btnCompila"));
        QCOMPARE(visible(), opening(men));
        const auto found = named<QListWidget>(opening(men), "lstFiles")->findItems(file, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        named<QListWidget>(opening(men), "lstFiles")->setCurrentItem(found.constFirst());
        click(named<QAbstractButton>(opening(men), "btnApri"));
    }

    void setUp() override
    {
        windows = std::make_unique<WindowSet>(dir->path());
        windows->start();
        emit windows->frmPassword()->accessGranted();
        QCOMPARE(visible(), windows->frmAvvio());
    }
    void tearDown() override { windows.reset(); }

private slots:
    void theBookWindowsAreScreensOfTheSet()
    {
        QCOMPARE(windows->frmMenuDonne()->objectName(), QStringLiteral("frmMenuDonne"));
        QCOMPARE(windows->frmCreaDonne()->objectName(), QStringLiteral("frmCreaDonne"));
        QCOMPARE(windows->frmApriDonne()->objectName(), QStringLiteral("frmApriDonne"));
        QCOMPARE(windows->frmBookDonne()->objectName(), QStringLiteral("frmBookDonne"));
        QCOMPARE(windows->frmCreaUomini()->objectName(), QStringLiteral("frmCreaUomini"));
        QCOMPARE(windows->frmApriUomini()->objectName(), QStringLiteral("frmApriUomini"));
        QCOMPARE(windows->frmMenuUomini()->objectName(), QStringLiteral("frmMenuUomini"));
        QCOMPARE(windows->frmBookUomini()->objectName(), QStringLiteral("frmBookUomini"));
    }

    void leavingTheMenuReturnsToTheStartMenu_data() { addSideRows(); }
    void leavingTheMenuReturnsToTheStartMenu()
    {
        QFETCH(bool, men);
        toBookMenu(men);
        click(named<QToolButton>(menu(men), QStringLiteral("imgEsci")));
        QCOMPARE(visible(), windows->frmAvvio());
        toBookMenu(men);
        menu(men)->close();
        QCOMPARE(visible(), windows->frmAvvio());
    }

    void creatingABookReturnsToTheStartMenu_data() { addSideRows(); }
    void creatingABookReturnsToTheStartMenu()
    {
        QFETCH(bool, men);
        toBookMenu(men);
        click(named<QPushButton>(menu(men), "btnCrea"));
        QCOMPARE(visible(), creation(men));
        QCOMPARE(named<QLineEdit>(creation(men), "txtFile")->text(), QString());
        named<QLineEdit>(creation(men), "txtFile")->setText(QStringLiteral("Primavera"));
        click(named<QAbstractButton>(creation(men), "btnApplica"));
        QCOMPARE(visible(), windows->frmAvvio());
        QVERIFY(
            QFileInfo::exists(dir->filePath(men ? QStringLiteral("Primavera.men") : QStringLiteral("Primavera.wmn"))));

        toBookMenu(men);
        click(named<QPushButton>(menu(men), "btnCrea"));
        click(named<QAbstractButton>(creation(men), "btnAnnulla"));
        QCOMPARE(visible(), windows->frmAvvio());
    }

    void anOpenedBookLandsInItsSidesEditor_data() { addSideRows(); }
    void anOpenedBookLandsInItsSidesEditor()
    {
        QFETCH(bool, men);
        const QString ext = men ? QStringLiteral(".men") : QStringLiteral(".wmn");
        writeBytes(dir->filePath(QStringLiteral("Estate") + ext), {});
        writeBytes(dir->filePath(QStringLiteral("Inverno") + ext), {});

        openBook(men, QStringLiteral("Estate") + ext);
        QCOMPARE(visible(), editor(men));
        QCOMPARE(named<QLabel>(editor(men), "lblFile")->text(), dir->filePath(QStringLiteral("Estate") + ext));
        QCOMPARE(named<QLabel>(editor(men), "lblNome")->text(), QStringLiteral("Estate"));
        QCOMPARE(named<QLabel>(editor(men), "lblPosizione")->text(), QString());

        // Work in the book, leave, open another: the editor follows the second.
        fillRequiredFields(editor(men), men ? ArchiveKind::MenBook : ArchiveKind::WomenBook);
        click(named<QToolButton>(editor(men), "cmdSalva"));
        click(named<QAbstractButton>(editor(men), "cmdEsci"));
        QCOMPARE(visible(), windows->frmAvvio());
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Estate") + ext)).size(), 3548);

        openBook(men, QStringLiteral("Inverno") + ext);
        QCOMPARE(visible(), editor(men));
        QCOMPARE(named<QLabel>(editor(men), "lblFile")->text(), dir->filePath(QStringLiteral("Inverno") + ext));
        QCOMPARE(named<QLabel>(editor(men), "lblNome")->text(), QStringLiteral("Inverno"));
        QCOMPARE(named<QLineEdit>(editor(men), QStringLiteral("txtTitolo"))->text(), QString());
        QCOMPARE(named<QLabel>(editor(men), "lblPosizione")->text(), QString());
        QVERIFY(!editor(!men)->isVisible());

        editor(men)->close();
        QCOMPARE(visible(), windows->frmAvvio());
    }

    void theEditorWorksOnTheListedFile()
    {
        // A book file that came in from elsewhere with a blank in front of its name.
        writeBytes(
            dir->filePath(QStringLiteral(" Estate.wmn")), rawRecord(bookRecordFields(), { QStringLiteral("Scatto") }));
        openBook(false, QStringLiteral(" Estate.wmn"));
        QCOMPARE(visible(), editor(false));
        QCOMPARE(named<QLabel>(editor(false), "lblFile")->text(), dir->filePath(QStringLiteral(" Estate.wmn")));
        click(named<QToolButton>(editor(false), "cmdPrimo"));
        QCOMPARE(named<QLineEdit>(editor(false), QStringLiteral("txtTitolo"))->text(), QStringLiteral("Scatto"));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Estate.wmn"))));
        QVERIFY(user->messages().isEmpty());
    }

    void closingTheOpeningWindowIgnoresTheSelection()
    {
        writeBytes(dir->filePath(QStringLiteral("Estate.wmn")), {});
        toBookMenu(false);
        click(named<QPushButton>(menu(false), "btnCompila"));
        named<QListWidget>(opening(false), "lstFiles")->setCurrentRow(0);
        opening(false)->close();
        QCOMPARE(visible(), windows->frmAvvio());

        toBookMenu(false);
        click(named<QPushButton>(menu(false), "btnCompila"));
        click(named<QAbstractButton>(opening(false), "btnAnnulla"));
        QCOMPARE(visible(), windows->frmAvvio());
    }

    void aDeletionLeavesTheOpeningWindowForTheStartMenu()
    {
        writeBytes(dir->filePath(QStringLiteral("Estate.men")), {});
        toBookMenu(true);
        click(named<QPushButton>(menu(true), "btnCompila"));
        named<QListWidget>(opening(true), "lstFiles")->setCurrentRow(0);
        click(named<QToolButton>(opening(true), "btnElimina"));
        QCOMPARE(visible(), opening(true));
        opening(true)->close();
        QCOMPARE(visible(), windows->frmAvvio());
    }
};

QTEST_MAIN(TestBookHandOver)
#include "tst_bookhandover.moc"
