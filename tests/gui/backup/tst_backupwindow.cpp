#include "backup/BackupCheck.h"
#include "backup/BackupSettings.h"
#include "gui/backup/TfrmCopiaSicurezza.h"
#include "gui/shell/TfrmAvvio.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/BackupFolder.h"
#include "support/ScriptedTestCase.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"
#include "texts/BackupTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

using namespace lumidex;
using namespace lumidex::test;

namespace {

QString registryOf(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("Archivio_Anagrafico.pro"));
}

QString contentsOf(const backup::Contents& contents)
{
    return backuptext::contents(
        contents.cards, contents.books, contents.bookEntries, contents.photos, contents.attachedFiles);
}

} // namespace

class TestBackupWindow : public ScriptedTestCase {
    Q_OBJECT

private:
    QString m_program;
    QString m_target;

    void setUp() override
    {
        m_program = dir->filePath(QStringLiteral("Lumidex"));
        m_target = dir->filePath(QStringLiteral("Disco esterno"));
        QDir().mkpath(m_program);
        QDir().mkpath(m_target);
        backupfolder::fill(m_program);
    }

    // The window, as the user finds it, with the script's handler run on it.
    void openWindow(const std::function<void(TfrmCopiaSicurezza&)>& act)
    {
        user->onDialog([&](QDialog& dialog) {
            if (auto* window = qobject_cast<TfrmCopiaSicurezza*>(&dialog))
                act(*window);
        });
        TfrmCopiaSicurezza window(m_program);
        interaction().runDialog(window);
        user->onDialog({});
    }

    void chooseTarget(TfrmCopiaSicurezza& window)
    {
        user->queueFolderName(m_target);
        named<QPushButton>(&window, QStringLiteral("cmdScegli"))->click();
    }

    QString backUpNow()
    {
        QString made;
        openWindow([&](TfrmCopiaSicurezza& window) {
            chooseTarget(window);
            named<QPushButton>(&window, QStringLiteral("cmdEsegui"))->click();
            made = window.settings().lastBackupFile;
        });
        user->clear();
        return made;
    }

private slots:
    void controls()
    {
        TfrmCopiaSicurezza window(m_program);
        QCOMPARE(window.objectName(), QStringLiteral("frmCopiaSicurezza"));
        QCOMPARE(window.windowTitle(), backuptext::caption());
        const QList<QPair<const char*, const char*>> buttons { { "cmdEsegui", "Esegui la copia di sicurezza" },
            { "cmdRipristina", "Ripristina da una copia…" },
            { "cmdRipristinaAltrove", "Ripristina in un'altra cartella…" }, { "cmdChiudi", "Chiudi" } };
        for (const auto& [name, text] : buttons) {
            auto* button = named<QPushButton>(&window, QString::fromLatin1(name));
            QCOMPARE(button->text(), QString::fromUtf8(text));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(named<QCheckBox>(&window, QStringLiteral("chkIncludi"))->text(),
            QStringLiteral("Includi pacchetti, gallerie ed esportazioni"));
        QVERIFY(!named<QCheckBox>(&window, QStringLiteral("chkIncludi"))->isChecked());
        QCOMPARE(named<QComboBox>(&window, QStringLiteral("cmbPromemoria"))->currentText(),
            QStringLiteral("Ogni settimana"));
        QCOMPARE(named<QSpinBox>(&window, QStringLiteral("spnConserva"))->value(), 10);
        QCOMPARE(named<QLabel>(&window, QStringLiteral("lblUltima"))->text(), backuptext::noBackupYet());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Everything fits inside the fixed window.
        for (QWidget* child : window.findChildren<QWidget*>())
            if (child->isVisible())
                QVERIFY2(window.rect().contains(
                             child->geometry().translated(child->parentWidget()->mapTo(&window, QPoint()))),
                    qPrintable(child->objectName()));
    }

    // Each choice is kept in Lumidex.ini at once, and the next window shows it.
    void choicesAreKept()
    {
        openWindow([&](TfrmCopiaSicurezza& window) {
            chooseTarget(window);
            named<QCheckBox>(&window, QStringLiteral("chkIncludi"))->click();
            auto* reminder = named<QComboBox>(&window, QStringLiteral("cmbPromemoria"));
            reminder->setCurrentIndex(3);
            emit reminder->activated(3);
            named<QSpinBox>(&window, QStringLiteral("spnConserva"))->setValue(0);
        });
        backup::Settings expected;
        expected.targetFolder = m_target;
        expected.includeOutputs = true;
        expected.reminder = backup::Reminder::Monthly;
        expected.keep = 0;
        QCOMPARE(backup::readSettings(m_program), std::optional<backup::Settings>(expected));
        QCOMPARE(user->folderRequests().size(), 1);
        QCOMPARE(user->folderRequests().constFirst().title, backuptext::chooseFolderTitle());
        TfrmCopiaSicurezza again(m_program);
        QCOMPARE(named<QLineEdit>(&again, QStringLiteral("txtCartella"))->text(), QDir::toNativeSeparators(m_target));
        QCOMPARE(named<QComboBox>(&again, QStringLiteral("cmbPromemoria"))->currentText(), QStringLiteral("Ogni mese"));
        QCOMPARE(named<QSpinBox>(&again, QStringLiteral("spnConserva"))->text(), QStringLiteral("tutte"));
        QVERIFY(named<QCheckBox>(&again, QStringLiteral("chkIncludi"))->isChecked());
        QVERIFY(user->messages().isEmpty());
    }

    // The backup runs with its progress, says what it made, and the window shows it.
    void backupFromTheWindow()
    {
        QString shown;
        QString whole;
        openWindow([&](TfrmCopiaSicurezza& window) {
            chooseTarget(window);
            named<QPushButton>(&window, QStringLiteral("cmdEsegui"))->click();
            shown = named<QLabel>(&window, QStringLiteral("lblUltima"))->text();
            whole = named<QLabel>(&window, QStringLiteral("lblUltima"))->toolTip();
        });
        const QStringList made = QDir(m_target).entryList(QDir::Files);
        QCOMPARE(made.size(), 1);
        const QString zip = QDir(m_target).filePath(made.constFirst());
        const backup::Settings settings = *backup::readSettings(m_program);
        QCOMPARE(settings.lastBackupFile, zip);
        // The date and place, the place shortened where it would not fit.
        QVERIFY(shown.startsWith(backuptext::lastBackup(settings.lastBackup, {})));
        QVERIFY(shown.endsWith(QStringLiteral(".zip")));
        QCOMPARE(whole, QDir::toNativeSeparators(zip));
        QCOMPARE(user->messages().size(), 1);
        const ScriptedInteraction::Message& said = user->messages().constFirst();
        QCOMPARE(said.kind, MessageKind::Information);
        const backup::Check check = backup::checkBackup(zip);
        QVERIFY(
            said.text.startsWith(backuptext::backupDone(QDir::toNativeSeparators(zip), contentsOf(check.contents))));
        QVERIFY(said.text.endsWith(backuptext::noFindings()));
        QCOMPARE(user->works().size(), 1);
        QCOMPARE(user->works().constFirst().labels, QStringList({ backuptext::copying(), backuptext::checkingCopy() }));
    }

    // However many cards name a missing file, and however long the names, the
    // message keeps to a few lines the screen can show.
    void longListsAreCut()
    {
        const Archive registry(registryOf(m_program), layouts::registry);
        for (int card = 0; card < 30; ++card) {
            QStringList values = blankRecord(layouts::registry);
            values[0] = QStringLiteral("Modella");
            values[layouts::registryEditFields] = QStringLiteral("documento %1 ").arg(card).repeated(20);
            registry.append(values);
        }
        openWindow([&](TfrmCopiaSicurezza& window) {
            chooseTarget(window);
            named<QPushButton>(&window, QStringLiteral("cmdEsegui"))->click();
        });
        const QString said = user->messages().value(0).text;
        QVERIFY(said.contains(backuptext::moreLines(25)));
        const QStringList lines = said.split(QStringLiteral("\r\n"));
        QVERIFY2(lines.size() <= 14, qPrintable(said));
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 110, qPrintable(line));
    }

    void backupFailures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("said");
        QTest::newRow("no folder chosen") << QString() << backuptext::backupFailed(backuptext::noTargetChosen());
        QTest::newRow("drive gone") << "/media/chiavetta"
                                    << backuptext::backupFailed(
                                           backuptext::targetMissing(QStringLiteral("/media/chiavetta")));
    }
    void backupFailures()
    {
        QFETCH(QString, target);
        QFETCH(QString, said);
        backup::Settings settings;
        settings.targetFolder = target;
        QVERIFY(backup::writeSettings(m_program, settings));
        openWindow(
            [&](TfrmCopiaSicurezza& window) { named<QPushButton>(&window, QStringLiteral("cmdEsegui"))->click(); });
        QCOMPARE(user->messages(), onlyMessage(MessageKind::Error, said, Buttons::OkCancel));
        QVERIFY(!backup::readSettings(m_program)->lastBackup.isValid());
    }

    // The restore checks the backup, says what it holds and when it was made, and
    // asks: No changes nothing, Yes puts the backup back and the data aside.
    void restoreFromTheWindow_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("yes") << Answer::Yes;
        QTest::newRow("no") << Answer::No;
    }
    void restoreFromTheWindow()
    {
        QFETCH(Answer, answer);
        const QString zip = backUpNow();
        QVERIFY(!zip.isEmpty());
        const Archive registry(registryOf(m_program), layouts::registry);
        const int cards = registry.count();
        registry.append(blankRecord(layouts::registry));
        const backup::Check check = backup::checkBackup(zip);
        user->queueOpenFileName(zip);
        user->queueAnswer(answer);
        openWindow(
            [&](TfrmCopiaSicurezza& window) { named<QPushButton>(&window, QStringLiteral("cmdRipristina"))->click(); });
        QCOMPARE(user->openRequests().size(), 1);
        QCOMPARE(user->openRequests().constFirst().directory, m_target);
        const ScriptedInteraction::Message question { MessageKind::Confirmation,
            backuptext::restoreQuestion(check.contents.made, contentsOf(check.contents)), Buttons::YesNo };
        QCOMPARE(user->messages().value(0), question);
        QVERIFY(question.text.contains(QStringLiteral("La password sarà quella in uso il")));
        if (answer == Answer::No) {
            QCOMPARE(user->messages().size(), 1);
            QCOMPARE(registry.count(), cards + 1);
            return;
        }
        QCOMPARE(user->messages().size(), 2);
        QCOMPARE(registry.count(), cards);
        const QStringList aside = QDir(m_program).entryList({ QStringLiteral("Prima_del_ripristino_*") }, QDir::Dirs);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(user->messages().at(1).text,
            backuptext::restoreDone(QDir::toNativeSeparators(QDir(m_program).filePath(aside.constFirst()))));
        QCOMPARE(Archive(QDir(m_program).filePath(aside.constFirst() + QStringLiteral("/Archivio_Anagrafico.pro")),
                     layouts::registry)
                     .count(),
            cards + 1);
    }

    // A damaged backup is refused before any question, naming its first bad entry.
    void damagedBackupIsRefused()
    {
        const QString zip = backUpNow();
        QByteArray bytes = readBytes(zip);
        // A photo is stored as it is: its own bytes lie in the file.
        const QString photo = QStringLiteral("Book_Uomini/Sfilata Milano_Foto_1.jpg");
        const qsizetype at = bytes.indexOf(readBytes(QDir(m_program).filePath(photo)).left(64));
        QVERIFY(at > 0);
        bytes[at + 10] = char(bytes[at + 10] ^ 0x20);
        writeBytes(zip, bytes);
        const QByteArray before = readBytes(registryOf(m_program));
        user->queueOpenFileName(zip);
        openWindow(
            [&](TfrmCopiaSicurezza& window) { named<QPushButton>(&window, QStringLiteral("cmdRipristina"))->click(); });
        const backup::Check check = backup::checkBackup(zip);
        QCOMPARE(check.entry, photo);
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Error,
                backuptext::backupDamaged(QDir::toNativeSeparators(zip), check.entry, check.reason),
                Buttons::OkCancel));
        QCOMPARE(readBytes(registryOf(m_program)), before);
    }

    // Into another, empty folder: nothing of the program folder is touched.
    void restoreElsewhere()
    {
        const QString zip = backUpNow();
        const QString other = dir->filePath(QStringLiteral("Altra cartella"));
        QDir().mkpath(other);
        const QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);
        user->queueOpenFileName(zip);
        user->queueFolderName(other);
        openWindow([&](TfrmCopiaSicurezza& window) {
            named<QPushButton>(&window, QStringLiteral("cmdRipristinaAltrove"))->click();
        });
        const backup::Check check = backup::checkBackup(zip);
        QCOMPARE(user->messages().size(), 2);
        QCOMPARE(user->messages().at(0).text,
            backuptext::restoreElsewhereQuestion(
                check.contents.made, contentsOf(check.contents), QDir::toNativeSeparators(other)));
        QCOMPARE(user->messages().at(1).text, backuptext::restoreElsewhereDone(QDir::toNativeSeparators(other)));
        QCOMPARE(backupfolder::filesIn(m_program), before);
        QCOMPARE(readBytes(registryOf(other)), before.value(QStringLiteral("Archivio_Anagrafico.pro")));
    }

    // Leaving from the start menu reminds of a backup that is due, never for a
    // folder with nothing to lose; No leaves at once.
    void reminderOnLeaving_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<int>("reminder");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<QString>("asked");
        const QDate today = QDate::currentDate();
        QTest::newRow("never backed up")
            << true << int(backup::Reminder::Weekly) << -1
            << QStringLiteral("Non è mai stata eseguita una copia di sicurezza.\r\n\r\nEseguirla ora?");
        QTest::newRow("a week ago") << true << int(backup::Reminder::Weekly) << 8
                                    << QStringLiteral("L'ultima copia di sicurezza è del %1.\r\n\r\nEseguirla ora?")
                                           .arg(today.addDays(-8).toString(QStringLiteral("dd/MM/yyyy")));
        QTest::newRow("two days ago, weekly") << true << int(backup::Reminder::Weekly) << 2 << QString();
        QTest::newRow("two days ago, daily")
            << true << int(backup::Reminder::Daily) << 2 << backuptext::reminder(today.addDays(-2));
        QTest::newRow("never reminded") << true << int(backup::Reminder::Never) << -1 << QString();
        QTest::newRow("nothing to lose") << false << int(backup::Reminder::Daily) << -1 << QString();
    }
    void reminderOnLeaving()
    {
        QFETCH(bool, cards);
        QFETCH(int, reminder);
        QFETCH(int, daysAgo);
        QFETCH(QString, asked);
        if (!cards) {
            for (const QString& archive : QDir(m_program).entryList(
                     { QStringLiteral("*.pro"), QStringLiteral("*.men"), QStringLiteral("*.wmn") }))
                QFile::remove(QDir(m_program).filePath(archive));
        }
        backup::Settings settings;
        settings.reminder = backup::Reminder(reminder);
        if (daysAgo >= 0)
            settings.lastBackup = QDateTime(QDate::currentDate().addDays(-daysAgo), QTime(9, 0));
        QVERIFY(backup::writeSettings(m_program, settings));
        user->queueAnswer(Answer::No);
        TfrmAvvio menu(m_program);
        QSignalSpy closed(&menu, &TfrmAvvio::closed);
        menu.show();
        QTest::mouseClick(named<QToolButton>(&menu, QStringLiteral("imgEsci")), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        if (asked.isEmpty())
            QVERIFY(user->messages().isEmpty());
        else
            QCOMPARE(user->messages(), onlyMessage(MessageKind::Confirmation, asked, Buttons::YesNo));
        QCOMPARE(user->dialogsRun(), 0);
        QCOMPARE(QDir(m_target).entryList(QDir::Files), QStringList());
    }

    // Yes makes the backup into the chosen folder, then the program ends; with
    // no folder chosen yet, the window opens for the user to choose one.
    void reminderAnsweredYes_data()
    {
        QTest::addColumn<bool>("folderChosen");
        QTest::newRow("folder chosen") << true;
        QTest::newRow("no folder yet") << false;
    }
    void reminderAnsweredYes()
    {
        QFETCH(bool, folderChosen);
        backup::Settings settings;
        if (folderChosen)
            settings.targetFolder = m_target;
        QVERIFY(backup::writeSettings(m_program, settings));
        user->queueAnswer(Answer::Yes);
        TfrmAvvio menu(m_program);
        QSignalSpy closed(&menu, &TfrmAvvio::closed);
        menu.show();
        QVERIFY(menu.close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(user->messages().constFirst().text, backuptext::reminderNoBackupYet());
        if (folderChosen) {
            QCOMPARE(QDir(m_target).entryList(QDir::Files).size(), 1);
            QCOMPARE(user->messages().size(), 2);
            QCOMPARE(user->messages().at(1).kind, MessageKind::Information);
            QCOMPARE(user->dialogsRun(), 0);
        } else {
            QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmCopiaSicurezza") });
        }
    }

    void startMenuOpensTheWindow()
    {
        TfrmAvvio menu(m_program);
        menu.show();
        auto* picture = named<QToolButton>(&menu, QStringLiteral("imgCopia"));
        QCOMPARE(picture->toolTip(), backuptext::startMenuTip());
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmCopiaSicurezza") });
    }
};

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
