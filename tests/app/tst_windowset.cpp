#include "app/WindowSet.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "gui/shell/TfrmAvvio.h"
#include "gui/shell/TfrmCambiaPassword.h"
#include "gui/shell/TfrmPassword.h"
#include "password/PasswordStore.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// Login, change password, start menu, the two book menus, the two book creation
// and the two book opening windows, the two book entry editors and the registry
// card editor.
constexpr int screenWindows = 12;

// Notes how many screens were built when a window first painted.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<qsizetype()> built)
        : m_built(std::move(built))
    {
        window->installEventFilter(this);
    }
    qsizetype builtThen = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && builtThen < 0)
            builtThen = m_built();
        return false;
    }

private:
    std::function<qsizetype()> m_built;
};

} // namespace

class TestWindowSet : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<WindowSet> windows;

    // Exactly one screen is on at any time; this is it.
    QWidget* visible() const
    {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->inherits("QDialog"))
                ++count;
        if (count != 1)
            return nullptr;
        return windows->visibleScreen();
    }
    void logIn(const QString& typed = QStringLiteral("lucernaviolata"))
    {
        named<QLineEdit>(windows->frmPassword(), "txtPassword")->setText(typed);
        QTest::mouseClick(named<QPushButton>(windows->frmPassword(), "cmdOK"), Qt::LeftButton);
    }
    void waitActive(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void setUp() override
    {
        QVERIFY(PasswordStore(dir->path()).writePassword(u"lucernaviolata"));
        windows = std::make_unique<WindowSet>(dir->path());
        windows->start();
    }
    void tearDown() override { windows.reset(); }

private slots:
    void startsOnTheLoginForItsFolder()
    {
        QCOMPARE(visible(), windows->frmPassword());
        waitActive(windows->frmPassword());
        QVERIFY(named<QLineEdit>(windows->frmPassword(), "txtPassword")->hasFocus());
        // The login keeps its small fixed size; it is not stretched over the screen.
        QCOMPARE(windows->frmPassword()->size(), QSize(388, 405));
        QVERIFY(!windows->frmPassword()->isMaximized());
        QCOMPARE(windows->frmAnagrafica()->archivePath(), dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")));
    }

    void theLoginIsOnScreenBeforeTheOtherScreensAreBuilt()
    {
        windows.reset();
        WindowSet set(dir->path());
        QCOMPARE(set.builtScreens(), QList<QWidget*> { set.frmPassword() });
        FirstPaint painted(set.frmPassword(), [&] { return set.builtScreens().size(); });
        set.start();
        QCOMPARE(set.builtScreens().size(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(set.frmPassword()));
        QTRY_COMPARE(set.builtScreens().size(), screenWindows);
        // The login painted while it was the only screen; the rest came after,
        // in the order of the window table, and stayed hidden.
        QCOMPARE(painted.builtThen, 1);
        QStringList names;
        for (QWidget* screen : set.builtScreens())
            names << screen->objectName();
        QCOMPARE(names,
            QStringList({ "frmPassword", "frmAvvio", "frmCambiaPassword", "frmMenuDonne", "frmCreaDonne",
                "frmApriDonne", "frmBookDonne", "frmCreaUomini", "frmApriUomini", "frmMenuUomini", "frmBookUomini",
                QStringLiteral("frmAnagrafica") }));
        QCOMPARE(set.visibleScreen(), set.frmPassword());
        QCOMPARE(set.frmAnagrafica(), set.builtScreens().last());
    }

    void aScreenAskedForEarlyHasTheSetBuiltAtOnce()
    {
        windows.reset();
        WindowSet set(dir->path());
        set.start();
        // Logged in at once, before the other screens had their turn: the start menu is there.
        named<QLineEdit>(set.frmPassword(), "txtPassword")->setText(QStringLiteral("lucernaviolata"));
        QTest::mouseClick(named<QPushButton>(set.frmPassword(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(set.builtScreens().size(), screenWindows);
        QCOMPARE(set.visibleScreen(), set.frmAvvio());
        QVERIFY(!set.frmPassword()->isVisible());
        // The deferred building finds nothing left to do.
        QTest::qWait(50);
        QCOMPARE(set.builtScreens().size(), screenWindows);
    }

    void theRightPasswordOpensTheStartMenu()
    {
        logIn(QStringLiteral(" LucernaViolata "));
        QCOMPARE(visible(), windows->frmAvvio());
        QVERIFY(windows->frmAvvio()->isMaximized());
        QVERIFY(user->messages().isEmpty());
    }

    void aWrongPasswordStaysOnTheLogin()
    {
        logIn(QStringLiteral("violata"));
        QCOMPARE(visible(), windows->frmPassword());
        QCOMPARE(user->messageTexts(), QStringList { QStringLiteral("Attenzione: password errata.") });
    }

    void esciEndsTheProgram()
    {
        QSignalSpy ended(windows.get(), &WindowSet::terminated);
        QTest::mouseClick(named<QAbstractButton>(windows->frmPassword(), "cmdEsci"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(windows->visibleScreen(), nullptr);
        QVERIFY(user->messages().isEmpty());
    }

    void leavingTheChangeWindowReturnsToAnEmptyLogin_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Chiudi") << "Chiudi";
        QTest::newRow("window close") << "close";
        QTest::newRow("password changed") << "OK";
    }
    void leavingTheChangeWindowReturnsToAnEmptyLogin()
    {
        QFETCH(QString, way);
        TfrmPassword* login = windows->frmPassword();
        TfrmCambiaPassword* change = windows->frmCambiaPassword();
        named<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("half typed"));
        QTest::mouseClick(named<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
        QCOMPARE(visible(), change);
        QVERIFY(!change->isMaximized());
        waitActive(change);
        QVERIFY(named<QLineEdit>(change, "txtPasswordOld")->hasFocus());

        if (way == QLatin1String("Chiudi")) {
            QTest::mouseClick(named<QAbstractButton>(change, "cmdEsci"), Qt::LeftButton);
        } else if (way == QLatin1String("close")) {
            QVERIFY(change->close());
        } else {
            named<QLineEdit>(change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
            named<QLineEdit>(change, "txtPasswordNew")->setText(QStringLiteral("nuova"));
            named<QLineEdit>(change, "txtConferma")->setText(QStringLiteral("nuova"));
            QTest::mouseClick(named<QPushButton>(change, "cmdOK"), Qt::LeftButton);
            QCOMPARE(user->messageTexts(),
                QStringList { QStringLiteral("Modifica della password completata con successo.") });
        }
        QCOMPARE(visible(), login);
        QCOMPARE(named<QLineEdit>(login, "txtPassword")->text(), QString());
        QVERIFY(!named<QPushButton>(login, "cmdOK")->isEnabled());
        waitActive(login);
        QVERIFY(named<QLineEdit>(login, "txtPassword")->hasFocus());
    }

    void aChangedPasswordOpensTheProgram()
    {
        TfrmPassword* login = windows->frmPassword();
        TfrmCambiaPassword* change = windows->frmCambiaPassword();
        QTest::mouseClick(named<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
        named<QLineEdit>(change, "txtPasswordOld")->setText(QStringLiteral("LUCERNAVIOLATA"));
        named<QLineEdit>(change, "txtPasswordNew")->setText(QStringLiteral("Primavera 2024"));
        named<QLineEdit>(change, "txtConferma")->setText(QStringLiteral("Primavera 2024"));
        QTest::mouseClick(named<QPushButton>(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(visible(), login);

        logIn(QStringLiteral("lucernaviolata"));
        QCOMPARE(visible(), login);
        logIn(QStringLiteral("PRIMAVERA 2024"));
        QCOMPARE(visible(), windows->frmAvvio());
        QCOMPARE(user->messageTexts().last(), QStringLiteral("Attenzione: password errata."));
    }

    void aLongPasswordSurvivesTheRoundTrip()
    {
        QString longPassword;
        for (int i = 0; i < 300; ++i)
            longPassword += QChar(u"abcdefghijklmnopqrstuvwxyz0123456789 !?éü"[i % 41]);
        TfrmCambiaPassword* change = windows->frmCambiaPassword();
        QTest::mouseClick(named<QPushButton>(windows->frmPassword(), "btnCambiaPassword"), Qt::LeftButton);
        named<QLineEdit>(change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
        named<QLineEdit>(change, "txtPasswordNew")->setText(longPassword);
        named<QLineEdit>(change, "txtConferma")->setText(longPassword);
        QTest::mouseClick(named<QPushButton>(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(
            user->messageTexts(), QStringList { QStringLiteral("Modifica della password completata con successo.") });

        const std::optional<QString> stored = PasswordStore(dir->path()).readValue();
        QVERIFY(stored);
        QCOMPARE(stored->size(), 600);
        // Only the letters a to z ignore their case; é and ü stay as they are.
        logIn(text::upperAscii(longPassword));
        QCOMPARE(visible(), windows->frmAvvio());
    }

    void registryPicturesOpenTheEditor_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::newRow("photo") << "imgAnagrafica";
        QTest::newRow("button strip") << "btnAnagrafica";
        QTest::newRow("note") << "appAnagrafica";
    }
    void registryPicturesOpenTheEditor()
    {
        QFETCH(QString, picture);
        logIn();
        TfrmAvvio* menu = windows->frmAvvio();
        TfrmAnagrafica* editor = windows->frmAnagrafica();
        QTest::mouseClick(named<QToolButton>(menu, picture), Qt::LeftButton);
        QCOMPARE(visible(), editor);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QString());
        QTest::mouseClick(named<QAbstractButton>(editor, "cmdEsci"), Qt::LeftButton);
        QCOMPARE(visible(), menu);
        QTest::mouseClick(named<QToolButton>(menu, picture), Qt::LeftButton);
        QVERIFY(editor->close());
        QCOMPARE(visible(), menu);
    }

    void reopeningTheEditorShowsAnEmptyCard()
    {
        logIn();
        TfrmAnagrafica* editor = windows->frmAnagrafica();
        QTest::mouseClick(named<QToolButton>(windows->frmAvvio(), "imgAnagrafica"), Qt::LeftButton);
        fillRequiredFields(editor, ArchiveKind::Registry);
        QTest::mouseClick(named<QToolButton>(editor, "cmdSalva"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        QTest::mouseClick(named<QAbstractButton>(editor, "cmdEsci"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(windows->frmAvvio(), "btnAnagrafica"), Qt::LeftButton);
        QCOMPARE(visible(), editor);
        QCOMPARE(named<QLabel>(editor, "lblPosizione")->text(), QString());
        QCOMPARE(named<QLineEdit>(editor, QStringLiteral("txtNome"))->text(), QString());
    }

    // Leaving the editor with typed work asks first: Annulla keeps the editor
    // on screen with its card, and the start menu comes back only once the user
    // lets the work go (or saves it).
    void anEditedCardKeepsTheEditorUntilTheUserLetsItGo_data()
    {
        QTest::addColumn<bool>("byWindowClose");
        QTest::newRow("exit picture") << false;
        QTest::newRow("window close") << true;
    }
    void anEditedCardKeepsTheEditorUntilTheUserLetsItGo()
    {
        QFETCH(bool, byWindowClose);
        logIn();
        TfrmAnagrafica* editor = windows->frmAnagrafica();
        QTest::mouseClick(named<QToolButton>(windows->frmAvvio(), "imgAnagrafica"), Qt::LeftButton);
        QCOMPARE(visible(), editor);
        auto* name = named<QLineEdit>(editor, QStringLiteral("txtNome"));
        name->setText(QStringLiteral("Anna Rossi"));
        const auto leave = [&] {
            if (byWindowClose)
                editor->windowHandle()->close();
            else
                QTest::mouseClick(named<QAbstractButton>(editor, "cmdEsci"), Qt::LeftButton);
        };
        const QString question = QStringLiteral("La scheda è stata modificata.\r\n\r\nSalvare le modifiche?");

        user->queueAnswer(Answer::Cancel);
        leave();
        QCOMPARE(visible(), editor);
        QCOMPARE(name->text(), QStringLiteral("Anna Rossi"));
        // Sì with the sex and the citizenship missing: the Save stops, the editor stays.
        user->queueAnswer(Answer::Yes);
        leave();
        QCOMPARE(visible(), editor);
        QCOMPARE(user->messageTexts(),
            QStringList({ question, question,
                QStringLiteral(
                    "Attenzione: per salvare la scheda è necessario indicare il sesso della persona (M o F).") }));

        user->queueAnswer(Answer::No);
        leave();
        QCOMPARE(visible(), windows->frmAvvio());
        QCOMPARE(user->messageTexts().size(), 4);
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Archivio_Anagrafico.pro"))));
        // Back in the editor, the work let go is gone and nothing is asked.
        QTest::mouseClick(named<QToolButton>(windows->frmAvvio(), "imgAnagrafica"), Qt::LeftButton);
        QCOMPARE(visible(), editor);
        QCOMPARE(name->text(), QString());
        leave();
        QCOMPARE(visible(), windows->frmAvvio());
        QCOMPARE(user->messageTexts().size(), 4);
    }

    void theStartMenuEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byWindowClose");
        QTest::newRow("exit picture") << false;
        QTest::newRow("window close") << true;
    }
    void theStartMenuEndsTheProgram()
    {
        QFETCH(bool, byWindowClose);
        logIn();
        QSignalSpy ended(windows.get(), &WindowSet::terminated);
        if (byWindowClose)
            QVERIFY(windows->frmAvvio()->close());
        else
            QTest::mouseClick(named<QToolButton>(windows->frmAvvio(), "imgEsci"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(windows->visibleScreen(), nullptr);
        QVERIFY(user->messages().isEmpty());
    }
};

QTEST_MAIN(TestWindowSet)
#include "tst_windowset.moc"
