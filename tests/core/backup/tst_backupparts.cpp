#include "backup/BackupFiles.h"
#include "backup/BackupItems.h"
#include "backup/BackupReminder.h"
#include "backup/BackupSettings.h"
#include "backup/ChecksumList.h"
#include "backup/Sha256.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::backup;
using namespace lumidex::test;

class TestBackupParts : public QObject {
    Q_OBJECT

private slots:
    // The settings go into "Lumidex.ini" through the program's INI code: other
    // sections and lines stay as they were, a folder keeps its blanks, and what
    // is missing or wrong reads as the default.
    void settingsRoundTrip()
    {
        QTemporaryDir dir;
        const QString ini = QDir(dir.path()).filePath(QStringLiteral("Lumidex.ini"));
        writeBytes(ini, "; le impostazioni\r\n[Pacchetti]\r\nUltimo=Studio Alfa\r\n");
        Settings settings;
        settings.targetFolder = QStringLiteral(" /media/Disco Backup/Lumidex è qui ");
        settings.reminder = Reminder::Monthly;
        settings.keep = 0;
        settings.includeOutputs = true;
        settings.lastBackup = QDateTime(QDate(2025, 1, 31), QTime(23, 59, 1));
        settings.lastBackupFile = settings.targetFolder + QStringLiteral("/Lumidex_2025-01-31_235901.zip");
        QVERIFY(writeSettings(dir.path(), settings));
        QCOMPARE(readSettings(dir.path()), std::optional<Settings>(settings));
        QVERIFY(readBytes(ini).startsWith("; le impostazioni\r\n[Pacchetti]\r\nUltimo=Studio Alfa\r\n"));
    }

    void settingsDefaults_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("no section") << QByteArray("[Altro]\r\nConserva=3\r\n");
        QTest::newRow("nonsense") << QByteArray(
            "[CopiaSicurezza]\r\nPromemoria=sempre\r\nConserva=-4\r\nUltima=ieri\r\n");
        QTest::newRow("too many") << QByteArray("[CopiaSicurezza]\r\nConserva=100000\r\n");
    }
    void settingsDefaults()
    {
        QFETCH(QByteArray, ini);
        const Settings read = settingsFrom(ini);
        QCOMPARE(read, Settings());
        QCOMPARE(read.reminder, Reminder::Weekly);
        QCOMPARE(read.keep, 10);
    }

    void settingsThatCannotBeWritten()
    {
        QTemporaryDir dir;
        // A folder where the file should be: the write fails and says why.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Lumidex.ini")));
        QString reason;
        QVERIFY(!writeSettings(dir.path(), Settings(), &reason));
        QVERIFY(!reason.isEmpty());
    }

    void reminderIsDue_data()
    {
        QTest::addColumn<Reminder>("reminder");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<bool>("cards");
        QTest::addColumn<bool>("due");
        const QDate today(2025, 3, 31);
        QTest::newRow("never backed up") << Reminder::Weekly << QDate() << true << true;
        QTest::newRow("never backed up, never reminded") << Reminder::Never << QDate() << true << false;
        QTest::newRow("nothing to lose") << Reminder::Daily << QDate() << false << false;
        QTest::newRow("daily, today") << Reminder::Daily << today << true << false;
        QTest::newRow("daily, yesterday") << Reminder::Daily << today.addDays(-1) << true << true;
        QTest::newRow("weekly, 6 days") << Reminder::Weekly << today.addDays(-6) << true << false;
        QTest::newRow("weekly, 7 days") << Reminder::Weekly << today.addDays(-7) << true << true;
        QTest::newRow("monthly, not yet") << Reminder::Monthly << QDate(2025, 3, 1) << true << false;
        QTest::newRow("monthly, a month") << Reminder::Monthly << QDate(2025, 2, 28) << true << true;
        QTest::newRow("never, a year") << Reminder::Never << today.addYears(-1) << true << false;
        QTest::newRow("a date to come") << Reminder::Daily << today.addDays(3) << true << false;
    }
    void reminderIsDue()
    {
        QFETCH(Reminder, reminder);
        QFETCH(QDate, last);
        QFETCH(bool, cards);
        QFETCH(bool, due);
        Settings settings;
        settings.reminder = reminder;
        if (last.isValid())
            settings.lastBackup = QDateTime(last, QTime(12, 0));
        QCOMPARE(isBackupDue(settings, QDate(2025, 3, 31), cards), due);
    }

    // A card or a book entry to lose: a whole record in any archive.
    void folderHasCards_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("cards");
        QTest::newRow("empty folder") << QString() << 0 << false;
        QTest::newRow("empty registry") << "Archivio_Anagrafico.pro" << 0 << false;
        QTest::newRow("partial card") << "Archivio_Anagrafico.pro" << 3846 << false;
        QTest::newRow("a card") << "Archivio_Anagrafico.pro" << 3847 << true;
        QTest::newRow("empty book") << "Estate.wmn" << 0 << false;
        QTest::newRow("a book entry") << "Sfilata.men" << 3548 << true;
        QTest::newRow("something else") << "Archivio_Anagrafico.xls" << 100000 << false;
    }
    void folderHasCards()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        QFETCH(bool, cards);
        QTemporaryDir dir;
        if (!file.isEmpty())
            writeBytes(QDir(dir.path()).filePath(file), QByteArray(size, 'x'));
        QCOMPARE(backup::folderHasCards(dir.path()), cards);
    }

    void items_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("item");
        QTest::addColumn<ItemKind>("kind");
        const auto row = [](const char* path, const char* item, ItemKind kind) {
            QTest::newRow(path) << QString::fromUtf8(path) << true << QString::fromUtf8(item) << kind;
        };
        const auto refused = [](const char* name, const char* path) {
            QTest::newRow(name) << QString::fromUtf8(path) << false << QString() << ItemKind::Data;
        };
        row("Archivio_Anagrafico.pro", "Archivio_Anagrafico.pro", ItemKind::Archive);
        row("Sfilata è.men", "Sfilata è.men", ItemKind::Archive);
        row("Estate.WMN", "Estate.WMN", ItemKind::Archive);
        row("unins000.dll", "unins000.dll", ItemKind::PasswordStore);
        row("Lumidex.ini", "Lumidex.ini", ItemKind::Settings);
        row("Lumidex_Agenzia.txt", "Lumidex_Agenzia.txt", ItemKind::Data);
        row("Anagrafica/Scheda_1.jpg", "Anagrafica", ItemKind::Data);
        row("Book_Donne/Estate_Foto_1.jpg", "Book_Donne", ItemKind::Data);
        row("Documenti_Allegati/Contratto.pdf", "Documenti_Allegati", ItemKind::Data);
        row("Importazioni/2025/rapporto.txt", "Importazioni", ItemKind::Data);
        row("Pacchetti/Registro_pacchetti.txt", "Pacchetti/Registro_pacchetti.txt", ItemKind::Data);
        row("Pacchetti/Studio Alfa_2025-01-10/index.html", "Pacchetti", ItemKind::Output);
        row("Gallerie/Estate/index.html", "Gallerie", ItemKind::Output);
        row("Dati_personali/Scheda_1.pdf", "Dati_personali", ItemKind::Output);
        row("Archivio_Anagrafico.xls", "Archivio_Anagrafico.xls", ItemKind::Output);
        row("Book_Fotografico.xls", "Book_Fotografico.xls", ItemKind::Output);
        refused("the program", "lumidex");
        refused("the manual", "Guida.pdf");
        refused("a rollback file", "Archivio_Anagrafico.pro.rollback");
        refused("just an extension", ".pro");
        refused("a way out", "../Archivio_Anagrafico.pro");
        refused("absolute", "/Archivio_Anagrafico.pro");
        refused("a way out inside", "Anagrafica/../unins000.dll");
        refused("a dot", "Anagrafica/./x.jpg");
        refused("an empty part", "Anagrafica//x.jpg");
        refused("a backslash", "Anagrafica\\x.jpg");
        refused("an archive below", "Anagrafica.pro/x");
        refused("another folder", "bin/sh");
        refused("empty", "");
    }
    void items()
    {
        QFETCH(QString, path);
        QFETCH(bool, held);
        QFETCH(QString, item);
        QFETCH(ItemKind, kind);
        const std::optional<Item> found = itemOf(path);
        QCOMPARE(found.has_value(), held);
        if (held) {
            QCOMPARE(found->name, item);
            QCOMPARE(found->kind, kind);
        }
    }

    void backupNames()
    {
        const QDateTime made(QDate(2025, 12, 1), QTime(7, 8, 9));
        QCOMPARE(backupfiles::nameFor(made), QStringLiteral("Lumidex_2025-12-01_070809.zip"));
        QCOMPARE(backupfiles::madeAt(backupfiles::nameFor(made)), made);
        for (const char* other : { "Lumidex_2025-12-01_070809.zip.parziale", "lumidex_2025-12-01_070809.zip",
                 "Lumidex_2025-12-01.zip", "Lumidex_2025-13-01_070809.zip", "copia.zip" })
            QVERIFY2(!backupfiles::isBackupName(QString::fromLatin1(other)), other);
    }

    // The list reads back as written, and sha256sum checks the files by it,
    // names with a backslash or a line feed included.
    void checksumList()
    {
        QTemporaryDir dir;
        const QList<QPair<QString, QByteArray>> files { { QStringLiteral("Archivio_Anagrafico.pro"), "schede" },
            { QStringLiteral("Documenti_Allegati/Contratto è.pdf"), "pdf" },
            { QStringLiteral("Gallerie/a\\b.html"), "barra" }, { QStringLiteral("Gallerie/riga\nnuova.html"), "riga" },
            { QStringLiteral("Gallerie/  spazi  .html"), "spazi" } };
        QList<checksumlist::Line> lines;
        for (const auto& [name, bytes] : files) {
            QDir().mkpath(QFileInfo(QDir(dir.path()).filePath(name)).absolutePath());
            writeBytes(QDir(dir.path()).filePath(name), bytes);
            lines.append({ name, Sha256::of(bytes) });
        }
        const QByteArray list = checksumlist::format(lines);
        QCOMPARE(checksumlist::parse(list), std::optional<QList<checksumlist::Line>>(lines));
        QCOMPARE(
            Sha256::of("abc").toHex(), QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        writeBytes(QDir(dir.path()).filePath(QStringLiteral("SHA256SUMS")), list);
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("sha256sum"));
        if (tool.isEmpty())
            QSKIP("sha256sum (coreutils) is not installed");
        QProcess check;
        check.setWorkingDirectory(dir.path());
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(tool, { QStringLiteral("-c"), QStringLiteral("SHA256SUMS") });
        QVERIFY(check.waitForFinished());
        QVERIFY2(check.exitCode() == 0, check.readAll().constData());
    }

    void checksumListRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray hash(64, 'a');
        QTest::newRow("short hash") << QByteArray("abc  x\n");
        QTest::newRow("one blank") << hash + " x\n";
        QTest::newRow("not hexadecimal") << QByteArray(64, 'g') + "  x\n";
        QTest::newRow("no name") << hash + "  \n";
        QTest::newRow("a name twice") << hash + "  x\n" + hash + "  x\n";
        QTest::newRow("a bad escape") << "\\" + hash + "  a\\qb\n";
    }
    void checksumListRefused()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!checksumlist::parse(text));
    }
};

QTEST_GUILESS_MAIN(TestBackupParts)
#include "tst_backupparts.moc"
