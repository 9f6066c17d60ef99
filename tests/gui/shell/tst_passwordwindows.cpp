#include "gui/shell/TfrmCambiaPassword.h"
#include "gui/shell/TfrmPassword.h"
#include "password/PasswordStore.h"
#include "support/CauseWords.h"
#include "support/DiskFaults.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"
#include "ui/FocusFrame.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString wrongPassword = QStringLiteral("Attenzione: password errata.");
const QString readFailure
    = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della password. "
                     "Si consiglia di reinstallare il software.");
const QString wrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
const QString notConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                            "E' necessario reinserire entrambi i valori.");
const QString notStorable
    = QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere memorizzati. "
                     "E' necessario reinserire entrambi i valori.");
const QString changed = QStringLiteral("Modifica della password completata con successo.");
const QString changeFailure
    = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                     "Si consiglia di reinstallare il software.");

QString storePath(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("unins000.dll"));
}

void writeStoreValue(const QTemporaryDir& dir, const QByteArray& value)
{
    writeBytes(storePath(dir), "[Accesso]\r\nValore=" + value + "\r\n");
}

// Types text key by key, as the user would, whatever characters it holds.
void typeText(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const auto key = c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestPasswordWindows : public ScriptedTestCase {
    Q_OBJECT

private:
    void expectOnlyMessage(const QString& text)
    {
        QCOMPARE(user->messages().size(), 1);
        const auto& message = user->messages().constFirst();
        QCOMPARE(message.text.toUtf8(), text.toUtf8());
        QCOMPARE(message.kind, MessageKind::Plain);
        QCOMPARE(message.buttons, Buttons::Ok);
    }

    void setUp() override { QVERIFY(PasswordStore(dir->path()).writePassword(u"lucernaviolata")); }

private slots:
    void loginInAnyCaseWithBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case") << QStringLiteral("lucernaviolata");
        QTest::newRow("upper case") << QStringLiteral("LUCERNAVIOLATA");
        QTest::newRow("mixed case") << QStringLiteral("LuCeRnAvIoLaTa");
        QTest::newRow("surrounding blanks") << QStringLiteral("   lucernaViolata  ");
        QTest::newRow("tab and control characters") << QStringLiteral("\tLucernaviolata\x01");
    }
    void loginInAnyCaseWithBlanks()
    {
        QFETCH(QString, typed);
        TfrmPassword login(dir->path());
        showActive(&login);
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        typeText(named<QLineEdit>(&login, "txtPassword"), typed);
        QVERIFY(named<QPushButton>(&login, "cmdOK")->isEnabled());
        QTest::mouseClick(named<QPushButton>(&login, "cmdOK"), Qt::LeftButton);
        QCOMPARE(granted.count(), 1);
        QVERIFY(user->messages().isEmpty());
        // Nothing of the password stays behind in the hidden window.
        QCOMPARE(named<QLineEdit>(&login, "txtPassword")->text(), QString());
    }

    void wrongPasswordEmptiesTheField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("too short") << QStringLiteral("lucerna");
        QTest::newRow("one more letter") << QStringLiteral("lucernaviolatax");
        QTest::newRow("inner blank") << QStringLiteral("lucerna violata");
        // Only a to z ignore their case: the accented capital is another letter.
        QTest::newRow("character above one byte") << QStringLiteral("lucernaviolat\u0101");
    }
    void wrongPasswordEmptiesTheField()
    {
        QFETCH(QString, typed);
        TfrmPassword login(dir->path());
        showActive(&login);
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        typeText(named<QLineEdit>(&login, "txtPassword"), typed);
        QTest::keyClick(named<QLineEdit>(&login, "txtPassword"), Qt::Key_Return);
        QCOMPARE(granted.count(), 0);
        expectOnlyMessage(wrongPassword);
        QCOMPARE(named<QLineEdit>(&login, "txtPassword")->text(), QString());
        QVERIFY(named<QLineEdit>(&login, "txtPassword")->hasFocus());
        QVERIFY(!named<QPushButton>(&login, "cmdOK")->isEnabled());
        QVERIFY(login.isVisible());
    }

    void storeStates_data()
    {
        QTest::addColumn<QByteArray>("storeValue");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("grants");
        QTest::addColumn<QString>("message");
        // "LUCERNAVIOLATA" scrambled.
        const QByteArray initial("50872CC2277E8CF643D000DC3DF8");
        QTest::newRow("empty value") << QByteArray() << QStringLiteral("x") << false << wrongPassword;
        QTest::newRow("blanks for a value") << QByteArray("   ") << QStringLiteral("x") << false << wrongPassword;
        QTest::newRow("odd digit dropped") << initial + "7" << QStringLiteral("lucernaviolata") << true << QString();
        QTest::newRow("lower-case digits")
            << initial.toLower() << QStringLiteral("lucernaviolata") << true << QString();
        QTest::newRow("not hexadecimal") << QByteArray("50872CZZ") << QStringLiteral("lucernaviolata") << false
                                         << readFailure;
    }
    void storeStates()
    {
        QFETCH(QByteArray, storeValue);
        QFETCH(QString, typed);
        QFETCH(bool, grants);
        QFETCH(QString, message);
        writeStoreValue(*dir, storeValue);
        TfrmPassword login(dir->path());
        showActive(&login);
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        named<QLineEdit>(&login, "txtPassword")->setText(typed);
        named<QPushButton>(&login, "cmdOK")->click();
        QCOMPARE(granted.count(), grants ? 1 : 0);
        if (message.isEmpty())
            QVERIFY(user->messages().isEmpty());
        else
            expectOnlyMessage(message);
    }

    void missingStoreRefusesEveryPassword()
    {
        QVERIFY(QFile::remove(storePath(*dir)));
        TfrmPassword login(dir->path());
        showActive(&login);
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("lucernaviolata"));
        named<QPushButton>(&login, "cmdOK")->click();
        QCOMPARE(granted.count(), 0);
        expectOnlyMessage(wrongPassword);
        // Reading never creates the store.
        QVERIFY(!QFile::exists(storePath(*dir)));
    }

    void unreadableStoreLeavesTheWindowAsItWas()
    {
        QVERIFY(QFile::remove(storePath(*dir)));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("unins000.dll")));
        TfrmPassword login(dir->path());
        showActive(&login);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("lucernaviolata"));
        named<QPushButton>(&login, "cmdOK")->click();
        expectOnlyMessage(readFailure);
        QCOMPARE(named<QLineEdit>(&login, "txtPassword")->text(), QStringLiteral("lucernaviolata"));
        QVERIFY(named<QPushButton>(&login, "cmdOK")->isEnabled());
    }

    void okFollowsTheTrimmedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("   ") << false;
        QTest::newRow("tab only") << QStringLiteral("\t") << false;
        QTest::newRow("one letter") << QStringLiteral("a") << true;
        QTest::newRow("letter in blanks") << QStringLiteral("  a  ") << true;
    }
    void okFollowsTheTrimmedText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        TfrmPassword login(dir->path());
        QVERIFY(!named<QPushButton>(&login, "cmdOK")->isEnabled());
        showActive(&login);
        typeText(named<QLineEdit>(&login, "txtPassword"), typed);
        QCOMPARE(named<QPushButton>(&login, "cmdOK")->isEnabled(), enabled);
        // Taking every character away disables it again.
        for (int i = 0; i < typed.size(); ++i)
            QTest::keyClick(named<QLineEdit>(&login, "txtPassword"), Qt::Key_Backspace);
        QVERIFY(!named<QPushButton>(&login, "cmdOK")->isEnabled());
    }

    void enterRunsTheLoginOnlyWithText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("granted");
        QTest::addColumn<int>("messages");
        QTest::newRow("blanks, return") << QStringLiteral("  ") << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("right, return") << QStringLiteral("lucernaviolata") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("right, keypad enter") << QStringLiteral("lucernaviolata") << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("wrong, return") << QStringLiteral("violata") << int(Qt::Key_Return) << 0 << 1;
    }
    void enterRunsTheLoginOnlyWithText()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, granted);
        QFETCH(int, messages);
        TfrmPassword login(dir->path());
        showActive(&login);
        QSignalSpy spy(&login, &TfrmPassword::accessGranted);
        typeText(named<QLineEdit>(&login, "txtPassword"), typed);
        QTest::keyClick(named<QLineEdit>(&login, "txtPassword"), Qt::Key(key));
        QCOMPARE(spy.count(), granted);
        QCOMPARE(user->messages().size(), messages);
    }

    void loginFocusAndFrame()
    {
        TfrmPassword login(dir->path());
        QVERIFY(named<FocusFrame>(&login, "effPassword")->isHidden());
        showActive(&login);
        QVERIFY(named<QLineEdit>(&login, "txtPassword")->hasFocus());
        QVERIFY(named<FocusFrame>(&login, "effPassword")->isVisible());
        // The frame surrounds the field.
        QVERIFY(named<FocusFrame>(&login, "effPassword")
                    ->geometry()
                    .contains(named<QLineEdit>(&login, "txtPassword")->geometry()));
        QVERIFY(named<FocusFrame>(&login, "effPassword")->geometry()
            != named<QLineEdit>(&login, "txtPassword")->geometry());
        typeText(named<QLineEdit>(&login, "txtPassword"), QStringLiteral("a"));
        QTest::keyClick(named<QLineEdit>(&login, "txtPassword"), Qt::Key_Tab);
        QVERIFY(named<QPushButton>(&login, "cmdOK")->hasFocus());
        QVERIFY(named<FocusFrame>(&login, "effPassword")->isHidden());
        QCOMPARE(named<FocusFrame>(&login, QStringLiteral("effPassword")), named<FocusFrame>(&login, "effPassword"));
    }

    void tabOrders()
    {
        TfrmPassword login(dir->path());
        showActive(&login);
        typeText(named<QLineEdit>(&login, "txtPassword"), QStringLiteral("a"));
        for (QWidget* next :
            QList<QWidget*> { named<QPushButton>(&login, "cmdOK"), named<QAbstractButton>(&login, "cmdEsci"),
                named<QPushButton>(&login, "btnCambiaPassword"), named<QLineEdit>(&login, "txtPassword") }) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        login.hide();

        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        for (QWidget* next : QList<QWidget*> { named<QLineEdit>(&change, "txtPasswordNew"),
                 named<QLineEdit>(&change, "txtConferma"), named<QAbstractButton>(&change, "cmdEsci") }) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void loginButtons()
    {
        TfrmPassword login(dir->path());
        QCOMPARE(login.windowTitle(), QStringLiteral(" Lumidex - Autenticazione"));
        QCOMPARE(login.size(), QSize(388, 405));
        QCOMPARE(named<QAbstractButton>(&login, "cmdEsci")->text(), QStringLiteral("Esci"));
        QCOMPARE(named<QPushButton>(&login, "btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
        QVERIFY(!(login.windowFlags() & Qt::WindowCloseButtonHint));
        showActive(&login);
        QSignalSpy change(&login, &TfrmPassword::changePasswordRequested);
        QSignalSpy closed(&login, &TfrmPassword::closed);
        QTest::mouseClick(named<QPushButton>(&login, "btnCambiaPassword"), Qt::LeftButton);
        QCOMPARE(change.count(), 1);
        QTest::mouseClick(named<QAbstractButton>(&login, "cmdEsci"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!login.isVisible());
        QVERIFY(user->messages().isEmpty());
    }

    // Change password.

    void changeSucceeds()
    {
        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        typeText(named<QLineEdit>(&change, "txtPasswordOld"), QStringLiteral("  LucernaViolata "));
        typeText(named<QLineEdit>(&change, "txtPasswordNew"), QStringLiteral(" Nuova Chiave "));
        typeText(named<QLineEdit>(&change, "txtConferma"), QStringLiteral("Nuova Chiave"));
        QVERIFY(named<QPushButton>(&change, "cmdOK")->isEnabled());
        QTest::mouseClick(named<QPushButton>(&change, "cmdOK"), Qt::LeftButton);
        expectOnlyMessage(changed);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!change.isVisible());
        for (QLineEdit* field : { named<QLineEdit>(&change, "txtPasswordOld"),
                 named<QLineEdit>(&change, "txtPasswordNew"), named<QLineEdit>(&change, "txtConferma") })
            QCOMPARE(field->text(), QString());
        // "NUOVA CHIAVE" scrambled.
        QCOMPARE(readBytes(storePath(*dir)).contains("Valore=5296756A8BF33C26923E114C"), true);

        // The new password opens the program in any case; the old one no longer does.
        TfrmPassword login(dir->path());
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("nuova chiave"));
        login.cmdOKClick();
        QCOMPARE(granted.count(), 1);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("lucernaviolata"));
        login.cmdOKClick();
        QCOMPARE(granted.count(), 1);
        QCOMPARE(user->messageTexts().last(), wrongPassword);
    }

    void changeRefusals_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("confirmText");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("wrong old") << QStringLiteral("lucerna") << QStringLiteral("nuova") << QStringLiteral("nuova")
                                   << wrongOldPassword << QStringLiteral("txtPasswordOld");
        QTest::newRow("confirmation differs")
            << QStringLiteral("lucernaviolata") << QStringLiteral("nuova") << QStringLiteral("nuovo") << notConfirmed
            << QStringLiteral("txtPasswordNew");
        QTest::newRow("confirmation differs in case")
            << QStringLiteral("lucernaviolata") << QStringLiteral("Nuova") << QStringLiteral("nuova") << notConfirmed
            << QStringLiteral("txtPasswordNew");
        QTest::newRow("euro sign") << QStringLiteral("lucernaviolata") << QStringLiteral("costa 5€")
                                   << QStringLiteral("costa 5€") << notStorable << QStringLiteral("txtPasswordNew");
        // U+0141 would be stored as its low byte 0x41, the letter A.
        QTest::newRow("letter beyond one byte")
            << QStringLiteral("lucernaviolata") << QStringLiteral("\u0141odz") << QStringLiteral("\u0141odz")
            << notStorable << QStringLiteral("txtPasswordNew");
    }
    void changeRefusals()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, confirmText);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        const QByteArray storeBefore = readBytes(storePath(*dir));
        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        typeText(named<QLineEdit>(&change, "txtPasswordOld"), oldText);
        typeText(named<QLineEdit>(&change, "txtPasswordNew"), newText);
        typeText(named<QLineEdit>(&change, "txtConferma"), confirmText);
        QTest::mouseClick(named<QPushButton>(&change, "cmdOK"), Qt::LeftButton);
        expectOnlyMessage(message);
        QCOMPARE(closed.count(), 0);
        QVERIFY(change.isVisible());
        QCOMPARE(readBytes(storePath(*dir)), storeBefore);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        if (message == wrongOldPassword) {
            QCOMPARE(named<QLineEdit>(&change, "txtPasswordOld")->text(), QString());
            QCOMPARE(named<QLineEdit>(&change, "txtPasswordNew")->text(), newText);
            QCOMPARE(named<QLineEdit>(&change, "txtConferma")->text(), confirmText);
        } else {
            QCOMPARE(named<QLineEdit>(&change, "txtPasswordOld")->text(), oldText);
            QCOMPARE(named<QLineEdit>(&change, "txtPasswordNew")->text(), QString());
            QCOMPARE(named<QLineEdit>(&change, "txtConferma")->text(), QString());
        }
        QVERIFY(!named<QPushButton>(&change, "cmdOK")->isEnabled());
    }

    void accentedLettersOfOneByteAreKept()
    {
        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        named<QLineEdit>(&change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
        named<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("perché"));
        named<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("perché"));
        change.cmdOKClick();
        expectOnlyMessage(changed);
        TfrmPassword login(dir->path());
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("PERCHé"));
        login.cmdOKClick();
        QCOMPARE(granted.count(), 1);
    }

    void unreadableStoreKeepsTheChangeWindow()
    {
        QVERIFY(QFile::remove(storePath(*dir)));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("unins000.dll")));
        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        named<QLineEdit>(&change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
        named<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("nuova"));
        named<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("nuova"));
        change.cmdOKClick();
        expectOnlyMessage(changeFailure);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(named<QLineEdit>(&change, "txtPasswordOld")->text(), QStringLiteral("lucernaviolata"));
        QCOMPARE(named<QLineEdit>(&change, "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(named<QLineEdit>(&change, "txtConferma")->text(), QStringLiteral("nuova"));
    }

    void storeThatCannotBeWrittenKeepsTheChangeWindow()
    {
        // A folder so deep that the store still reads but nothing new (the store's
        // lock and replacement files) fits beside it within the system's path limit.
        // Unlike a read-only folder, this holds for every user, the superuser too.
        QString deep = dir->path();
        const QString storeName = QStringLiteral("/unins000.dll");
        while (deep.size() + storeName.size() < 4090 - 200)
            deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
        deep += QLatin1Char('/') + QString(4093 - deep.size() - storeName.size() - 1, QLatin1Char('e'));
        QVERIFY(QDir().mkpath(deep));
        writeBytes(deep + storeName, readBytes(storePath(*dir)));
        QCOMPARE((deep + storeName).size(), 4093);
        QVERIFY(PasswordStore(deep).readPassword().has_value());

        TfrmCambiaPassword change(deep);
        showActive(&change);
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        named<QLineEdit>(&change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
        named<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("nuova"));
        named<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("nuova"));
        change.cmdOKClick();
        expectOnlyMessage(causewords::withCause(changeFailure, causewords::nameTooLong()));
        QCOMPARE(closed.count(), 0);
        QVERIFY(change.isVisible());
        QCOMPARE(named<QLineEdit>(&change, "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(named<QLineEdit>(&change, "txtPasswordOld")->text(), QStringLiteral("lucernaviolata"));
        QCOMPARE(named<QLineEdit>(&change, "txtConferma")->text(), QStringLiteral("nuova"));
        QCOMPARE(readBytes(deep + storeName), readBytes(storePath(*dir)));
    }

    void aFullDiskKeepsTheOldPassword_data() { addDiskFaultRows(); }
    void aFullDiskKeepsTheOldPassword()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        // A store of 8 KB, notes kept beside the password: with one page free a
        // store used to be cut in half and the password lost with it.
        const QString store = disk.path() + QStringLiteral("/unins000.dll");
        QVERIFY(PasswordStore(disk.path()).writePassword(u"lucernaviolata"));
        QByteArray notes = "[Note]\r\n";
        for (int line = 0; notes.size() < 8192; ++line)
            notes += "Riga" + QByteArray::number(line) + "=una nota lasciata dall'installazione\r\n";
        writeBytes(store, readBytes(store) + notes);
        const QByteArray before = readBytes(store);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

        TfrmCambiaPassword change(disk.path());
        showActive(&change);
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        typeText(named<QLineEdit>(&change, "txtPasswordOld"), QStringLiteral("lucernaviolata"));
        typeText(named<QLineEdit>(&change, "txtPasswordNew"), QStringLiteral("nuova chiave"));
        typeText(named<QLineEdit>(&change, "txtConferma"), QStringLiteral("nuova chiave"));
        QTest::mouseClick(named<QPushButton>(&change, "cmdOK"), Qt::LeftButton);
        disk.lift();

        expectOnlyMessage(causewords::withCause(changeFailure, diskFaultWords(fault)));
        QCOMPARE(closed.count(), 0);
        QVERIFY(change.isVisible());
        QCOMPARE(readBytes(store), before);
        QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("unins000.dll") });

        // The old password still opens the program; the new one never does.
        TfrmPassword login(disk.path());
        QSignalSpy granted(&login, &TfrmPassword::accessGranted);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("nuova chiave"));
        login.cmdOKClick();
        QCOMPARE(granted.count(), 0);
        named<QLineEdit>(&login, "txtPassword")->setText(QStringLiteral("lucernaviolata"));
        login.cmdOKClick();
        QCOMPARE(granted.count(), 1);
        QCOMPARE(user->messageTexts(),
            (QStringList { causewords::withCause(changeFailure, diskFaultWords(fault)), wrongPassword }));
    }

    void changeOkNeedsAllThreeFields_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("confirmText");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all filled") << "a"
                                    << "b"
                                    << "c" << true;
        QTest::newRow("old missing") << ""
                                     << "b"
                                     << "c" << false;
        QTest::newRow("new blank") << "a"
                                   << "  "
                                   << "c" << false;
        QTest::newRow("confirmation blank") << "a"
                                            << "b"
                                            << "\t" << false;
        QTest::newRow("blanks around") << " a "
                                       << " b "
                                       << " c " << true;
    }
    void changeOkNeedsAllThreeFields()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, confirmText);
        QFETCH(bool, enabled);
        TfrmCambiaPassword change(dir->path());
        QVERIFY(!named<QPushButton>(&change, "cmdOK")->isEnabled());
        showActive(&change);
        typeText(named<QLineEdit>(&change, "txtPasswordOld"), oldText);
        typeText(named<QLineEdit>(&change, "txtPasswordNew"), newText);
        typeText(named<QLineEdit>(&change, "txtConferma"), confirmText);
        QCOMPARE(named<QPushButton>(&change, "cmdOK")->isEnabled(), enabled);
    }

    void enterWalksRoundTheFields()
    {
        TfrmCambiaPassword change(dir->path());
        showActive(&change);
        named<QLineEdit>(&change, "txtPasswordOld")->setText(QStringLiteral("lucernaviolata"));
        named<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("nuova"));
        named<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("nuova"));
        QVERIFY(named<QPushButton>(&change, "cmdOK")->isEnabled());
        QVERIFY(named<QLineEdit>(&change, "txtPasswordOld")->hasFocus());
        QTest::keyClick(named<QLineEdit>(&change, "txtPasswordOld"), Qt::Key_Return);
        QVERIFY(named<QLineEdit>(&change, "txtPasswordNew")->hasFocus());
        QTest::keyClick(named<QLineEdit>(&change, "txtPasswordNew"), Qt::Key_Enter);
        QVERIFY(named<QLineEdit>(&change, "txtConferma")->hasFocus());
        QTest::keyClick(named<QLineEdit>(&change, "txtConferma"), Qt::Key_Return);
        QVERIFY(named<QLineEdit>(&change, "txtPasswordOld")->hasFocus());
        // Enter never confirms the change.
        QVERIFY(user->messages().isEmpty());
        QVERIFY(change.isVisible());
    }

    void focusFramesFollowTheFocus()
    {
        TfrmCambiaPassword change(dir->path());
        const QList<QPair<QLineEdit*, FocusFrame*>> pairs {
            { named<QLineEdit>(&change, "txtPasswordOld"), named<FocusFrame>(&change, "effPasswordOld") },
            { named<QLineEdit>(&change, "txtPasswordNew"), named<FocusFrame>(&change, "effPasswordNew") },
            { named<QLineEdit>(&change, "txtConferma"), named<FocusFrame>(&change, "effConferma") },
        };
        for (const auto& [field, frame] : pairs)
            QVERIFY(frame->isHidden());
        showActive(&change);
        for (const auto& [field, frame] : pairs) {
            field->setFocus();
            for (const auto& [other, otherFrame] : pairs)
                QCOMPARE(otherFrame->isVisible(), other == field);
        }
    }

    void everyShowStartsEmpty()
    {
        TfrmCambiaPassword change(dir->path());
        QCOMPARE(change.windowTitle(), QStringLiteral(" Cambia password"));
        QCOMPARE(change.size(), QSize(411, 418));
        QCOMPARE(named<QAbstractButton>(&change, "cmdEsci")->text(), QStringLiteral("Chiudi"));
        showActive(&change);
        named<QLineEdit>(&change, "txtPasswordOld")->setText(QStringLiteral("a"));
        named<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("b"));
        named<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("c"));
        QSignalSpy closed(&change, &TfrmCambiaPassword::closed);
        QTest::mouseClick(named<QAbstractButton>(&change, "cmdEsci"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!change.isVisible());
        for (QLineEdit* field : { named<QLineEdit>(&change, "txtPasswordOld"),
                 named<QLineEdit>(&change, "txtPasswordNew"), named<QLineEdit>(&change, "txtConferma") })
            QCOMPARE(field->text(), QString());
        showActive(&change);
        for (QLineEdit* field : { named<QLineEdit>(&change, "txtPasswordOld"),
                 named<QLineEdit>(&change, "txtPasswordNew"), named<QLineEdit>(&change, "txtConferma") })
            QCOMPARE(field->text(), QString());
        QVERIFY(named<QLineEdit>(&change, "txtPasswordOld")->hasFocus());
        QVERIFY(!named<QPushButton>(&change, "cmdOK")->isEnabled());
        QVERIFY(user->messages().isEmpty());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
