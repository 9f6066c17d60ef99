#include "ZipLayout.h"
#include "backup/BackupCheck.h"
#include "backup/BackupSettings.h"
#include "backup/ChecksumList.h"
#include "backup/MakeBackup.h"
#include "backup/RestoreBackup.h"
#include "backup/Sha256.h"
#include "backup/ZipWriter.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/BackupFolder.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace lumidex;
using namespace lumidex::backup;
using namespace lumidex::test;

namespace {

const QDateTime madeOn(QDate(2025, 2, 3), QTime(18, 5, 0));
const QDateTime restoredOn(QDate(2025, 4, 1), QTime(10, 0, 0));

QStringList restoreEntriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// An entry of a ZIP made by hand: a name and bytes, or a folder.
struct HandEntry {
    QString name;
    QByteArray bytes;
    bool folder = false;
};

// A ZIP holding `entries` and a list of hashes of the files among them (with
// `listed` in place of the real list, when given), written as a backup is.
void writeHandZip(const QString& path, const QList<HandEntry>& entries, const QByteArray& listed = {})
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    {
        ZipWriter zip(fd);
        QList<checksumlist::Line> lines;
        for (const HandEntry& entry : entries) {
            if (entry.folder) {
                QVERIFY(zip.addFolder(entry.name, madeOn));
                continue;
            }
            QVERIFY(zip.beginFile(entry.name, entry.bytes.size(), madeOn, ZipWriter::Packing::Deflate));
            QVERIFY(zip.addData(entry.bytes));
            QVERIFY(zip.endFile());
            lines.append({ entry.name, Sha256::of(entry.bytes) });
        }
        const QByteArray list = listed.isEmpty() ? checksumlist::format(lines) : listed;
        QVERIFY(zip.beginFile(QStringLiteral("SHA256SUMS"), list.size(), madeOn, ZipWriter::Packing::Deflate));
        QVERIFY(zip.addData(list));
        QVERIFY(zip.endFile());
        QVERIFY(zip.finish());
    }
    ::close(fd);
}

// Sets or clears the immutable flag, which even the superuser cannot rename
// past; false where the file system has no such flag.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

class TestRestoreBackup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
    QString m_target;
    QString m_zip;
    QMap<QString, QByteArray> m_backedUp;

    Check soundCheck()
    {
        const Check check = checkBackup(m_zip);
        if (check.result != Check::Result::Sound)
            qWarning() << "backup refused:" << check.entry << check.reason;
        return check;
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_program = m_root->filePath(QStringLiteral("Lumidex"));
        m_target = m_root->filePath(QStringLiteral("Copie"));
        QVERIFY(QDir().mkpath(m_program) && QDir().mkpath(m_target));
        m_backedUp = backupfolder::fill(m_program);
        Settings settings;
        settings.targetFolder = m_target;
        QVERIFY(writeSettings(m_program, settings));
        const BackupOutcome made = makeBackup(m_program, settings, madeOn);
        QCOMPARE(made.result, BackupOutcome::Result::Done);
        m_zip = made.zipPath;
    }

    // Newer cards, a new photo, another agency line and newer settings: the
    // restore puts the backup's data back, moves what was there byte for byte
    // into "Prima_del_ripristino_...", keeps the folder's backup settings and
    // leaves alone what a backup never holds.
    void restoreOverNewerCards()
    {
        const Archive registry(QDir(m_program).filePath(QStringLiteral("Archivio_Anagrafico.pro")), layouts::registry);
        registry.append(blankRecord(layouts::registry));
        registry.append(blankRecord(layouts::registry));
        writeBytes(QDir(m_program).filePath(QStringLiteral("Anagrafica/Scheda_8.jpg")), "nuova foto");
        QVERIFY(QDir().mkpath(QDir(m_program).filePath(QStringLiteral("Gallerie/Estate"))));
        writeBytes(QDir(m_program).filePath(QStringLiteral("Lumidex_Agenzia.txt")), "Agenzia Nuova\n");
        writeBytes(QDir(m_program).filePath(QStringLiteral("Nuovo book.men")), QByteArray(3548, 'n'));
        writeBytes(QDir(m_program).filePath(QStringLiteral("Guida.pdf")), "manuale");
        writeBytes(QDir(m_program).filePath(QStringLiteral("Gallerie/Estate/index.html")), "galleria");
        Settings newer = *readSettings(m_program);
        newer.keep = 3;
        newer.reminder = Reminder::Daily;
        newer.lastBackup = QDateTime(QDate(2025, 3, 30), QTime(8, 0));
        newer.lastBackupFile = QStringLiteral("/media/disco/Lumidex_2025-03-30_080000.zip");
        QVERIFY(writeSettings(m_program, newer));
        QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);

        const Check check = soundCheck();
        QCOMPARE(check.result, Check::Result::Sound);
        const RestoreOutcome outcome = restoreOver(m_program, m_zip, check, restoredOn);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Done);
        QCOMPARE(
            outcome.asideFolder, QDir(m_program).filePath(QStringLiteral("Prima_del_ripristino_2025-04-01_100000")));

        // Everything of the kinds a backup holds went aside as it was.
        const QMap<QString, QByteArray> aside = backupfolder::filesIn(outcome.asideFolder);
        const QStringList stays { QStringLiteral("Guida.pdf"), QStringLiteral("Gallerie/Estate/index.html") };
        QStringList expectedAside;
        for (auto file = before.cbegin(); file != before.cend(); ++file) {
            if (stays.contains(file.key()))
                continue;
            expectedAside << file.key();
            QVERIFY2(aside.value(file.key()) == file.value(), qPrintable(file.key()));
        }
        QCOMPARE(aside.keys(), expectedAside);

        // The folder holds the backup's data, the folder's own settings, and
        // what the backup did not hold.
        QMap<QString, QByteArray> now = backupfolder::filesIn(m_program);
        for (auto it = now.begin(); it != now.end();)
            it = it.key().startsWith(QStringLiteral("Prima_del_ripristino_")) ? now.erase(it) : std::next(it);
        QCOMPARE(readSettings(m_program), std::optional<Settings>(newer));
        now.remove(QStringLiteral("Lumidex.ini"));
        QMap<QString, QByteArray> expected = m_backedUp;
        for (const QString& path : stays)
            expected.insert(path, before.value(path));
        QCOMPARE(now.keys(), expected.keys());
        for (auto file = expected.cbegin(); file != expected.cend(); ++file)
            QVERIFY2(now.value(file.key()) == file.value(), qPrintable(file.key()));
        // Nothing of the unpacking is left about.
        QCOMPARE(restoreEntriesOf(m_root->path()), QStringList({ QStringLiteral("Copie"), QStringLiteral("Lumidex") }));
        for (const QString& entry : restoreEntriesOf(m_program))
            QVERIFY2(!entry.startsWith(QStringLiteral("Ripristino_in_corso")), qPrintable(entry));
    }

    // A backup holding anything a backup of the program never holds is refused
    // whole before anything is written, naming the entry.
    void foreignEntriesAreRefused_data()
    {
        QTest::addColumn<QList<HandEntry>>("entries");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Check::Result>("result");
        const HandEntry card { QStringLiteral("Archivio_Anagrafico.pro"), QByteArray(3847, '\0') };
        QTest::newRow("a way out") << QList<HandEntry> { card, { QStringLiteral("../x"), "fuori" } } << "../x"
                                   << Check::Result::Foreign;
        QTest::newRow("absolute") << QList<HandEntry> { card, { QStringLiteral("/etc/x"), "fuori" } } << "/etc/x"
                                  << Check::Result::Foreign;
        QTest::newRow("a way out inside") << QList<HandEntry> { { QStringLiteral("Anagrafica/../../x"), "fuori" } }
                                          << "Anagrafica/../../x" << Check::Result::Foreign;
        QTest::newRow("a file a backup never holds")
            << QList<HandEntry> { card, { QStringLiteral("avvio.sh"), "#!/bin/sh" } } << "avvio.sh"
            << Check::Result::Foreign;
        QTest::newRow("an archive inside a folder") << QList<HandEntry> { { QStringLiteral("Gallerie.pro/x"), "?" } }
                                                    << "Gallerie.pro/x" << Check::Result::Foreign;
        QTest::newRow("a folder a backup never holds")
            << QList<HandEntry> { { QStringLiteral("bin"), {}, true } } << "bin" << Check::Result::Foreign;
        QTest::newRow("the same name twice")
            << QList<HandEntry> { card, card } << "Archivio_Anagrafico.pro" << Check::Result::Foreign;
    }
    void foreignEntriesAreRefused()
    {
        QFETCH(QList<HandEntry>, entries);
        QFETCH(QString, entry);
        QFETCH(Check::Result, result);
        const QString zip = m_root->filePath(QStringLiteral("a mano.zip"));
        writeHandZip(zip, entries);
        const Check check = checkBackup(zip);
        QCOMPARE(check.result, result);
        QCOMPARE(check.entry, entry);
    }

    // A symbolic link, as `zip -y` stores one, is refused too.
    void linkEntryIsRefused()
    {
        const QString folder = m_root->filePath(QStringLiteral("collegamento"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Anagrafica")));
        QVERIFY(QFile::link(QStringLiteral("/etc/passwd"), folder + QStringLiteral("/Anagrafica/Scheda_1.jpg")));
        const QString zip = m_root->filePath(QStringLiteral("collegamento.zip"));
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("zip"));
        if (tool.isEmpty())
            QSKIP("zip is not installed (scripts/install-deps installs it)");
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(
            tool, { QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("-y"), zip, QStringLiteral(".") });
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        const Check check = checkBackup(zip);
        QCOMPARE(check.result, Check::Result::Foreign);
        QCOMPARE(check.entry, QStringLiteral("Anagrafica/Scheda_1.jpg"));
    }

    // Even handed a check that calls such a backup sound (the file changed after
    // it was checked), the unpacking writes nothing outside its folder.
    void nothingIsWrittenOutside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a way out") << "../x";
        QTest::newRow("absolute") << "/etc/x";
        QTest::newRow("a way out inside") << "Anagrafica/../../x";
    }
    void nothingIsWrittenOutside()
    {
        QFETCH(QString, name);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/etc/x")));
        const QString zip = m_root->filePath(QStringLiteral("fuori.zip"));
        writeHandZip(zip, { { name, "fuori" } });
        Check forged;
        forged.result = Check::Result::Sound;
        forged.files.append({ name, 5, Sha256::of("fuori"), madeOn });
        forged.contents.bytes = 5;
        const QString into = m_root->filePath(QStringLiteral("dentro/qui"));
        const RestoreOutcome outcome = restoreInto(into, zip, forged);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Failed);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/etc/x")));
        QVERIFY(!QFileInfo::exists(m_root->filePath(QStringLiteral("dentro/x"))));
        QVERIFY(!QFileInfo::exists(m_root->filePath(QStringLiteral("x"))));
        QCOMPARE(restoreEntriesOf(m_root->filePath(QStringLiteral("dentro"))), QStringList());
    }

    // A hash that disagrees with its file: refused, naming the file.
    void wrongHashIsRefused()
    {
        const QString zip = m_root->filePath(QStringLiteral("hash.zip"));
        const QByteArray bytes("contenuto");
        const QByteArray list
            = checksumlist::format({ { QStringLiteral("Lumidex_Agenzia.txt"), Sha256::of("altro") } });
        writeHandZip(zip, { { QStringLiteral("Lumidex_Agenzia.txt"), bytes } }, list);
        const Check check = checkBackup(zip);
        QCOMPARE(check.result, Check::Result::Damaged);
        QCOMPARE(check.entry, QStringLiteral("Lumidex_Agenzia.txt"));
    }

    // While another program keeps an archive, the restore says so and stops,
    // the folder as it was.
    void archiveKeptElsewhere()
    {
        const QString archive = QDir(m_program).filePath(QStringLiteral("Estate.wmn"));
        const QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);
        QProcess holder;
        holder.start(QStringLiteral(ARCHIVE_WORKER_PATH), { QStringLiteral("hold"), archive, QStringLiteral("3000") });
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        const int wait = Archive::defaultLockTimeout();
        Archive::setDefaultLockTimeout(200);
        const RestoreOutcome outcome = restoreOver(m_program, m_zip, soundCheck(), restoredOn);
        Archive::setDefaultLockTimeout(wait);
        holder.waitForFinished();
        QCOMPARE(outcome.result, RestoreOutcome::Result::ArchiveBusy);
        QVERIFY2(outcome.reason.contains(QStringLiteral("Estate.wmn")), qPrintable(outcome.reason));
        QCOMPARE(backupfolder::filesIn(m_program), before);
        QCOMPARE(restoreEntriesOf(m_program).filter(QStringLiteral("ipristin")), QStringList());
    }

    // A disk that fills up or refuses its syncs while the backup is unpacked:
    // the folder stays as it was, nothing of the restore left in it.
    void diskFaults_data() { addDiskFaultRows(); }
    void diskFaults()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        backupfolder::fill(disk.path());
        const QMap<QString, QByteArray> before = backupfolder::filesIn(disk.path());
        const Check check = soundCheck();
        QVERIFY(disk.strike());
        LUMIDEX_REQUIRE_DISK(disk);
        const RestoreOutcome outcome = restoreOver(disk.path(), m_zip, check, restoredOn);
        disk.lift();
        QCOMPARE(outcome.result, RestoreOutcome::Result::Failed);
        QVERIFY(!outcome.reason.isEmpty());
        QCOMPARE(backupfolder::filesIn(disk.path()), before);
        QCOMPARE(restoreEntriesOf(disk.path()).filter(QStringLiteral("ipristin")), QStringList());
    }

    // A move that fails half-way (a folder the system will not let go) takes
    // every move before it back.
    void failedMoveIsTakenBack()
    {
        const QString imports = QDir(m_program).filePath(QStringLiteral("Importazioni"));
        const QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);
        if (!setImmutable(imports, true))
            QSKIP("the file system of the temporary folder has no immutable flag (chattr)");
        const RestoreOutcome outcome = restoreOver(m_program, m_zip, soundCheck(), restoredOn);
        setImmutable(imports, false);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Failed);
        QCOMPARE(outcome.failedPath.contains(QStringLiteral("Importazioni")), true);
        QCOMPARE(backupfolder::filesIn(m_program), before);
        QCOMPARE(restoreEntriesOf(m_program).filter(QStringLiteral("ipristin")), QStringList());
    }

    // "Annulla" while unpacking: the folder as it was.
    void cancelledRestore()
    {
        const QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);
        int steps = 0;
        const RestoreOutcome outcome
            = restoreOver(m_program, m_zip, soundCheck(), restoredOn, [&](qint64, qint64) { return ++steps < 3; });
        QCOMPARE(outcome.result, RestoreOutcome::Result::Cancelled);
        QCOMPARE(backupfolder::filesIn(m_program), before);
        QCOMPARE(restoreEntriesOf(m_program).filter(QStringLiteral("ipristin")), QStringList());
    }

    // Into another folder: only an empty one, and a failure leaves it empty.
    void anotherFolderMustBeEmpty()
    {
        const QString other = m_root->filePath(QStringLiteral("Altra"));
        QVERIFY(QDir().mkpath(other));
        writeBytes(other + QStringLiteral("/mio.txt"), "mio");
        const RestoreOutcome outcome = restoreInto(other, m_zip, soundCheck());
        QCOMPARE(outcome.result, RestoreOutcome::Result::FolderNotEmpty);
        QCOMPARE(restoreEntriesOf(other), QStringList { QStringLiteral("mio.txt") });
    }

    void anotherFolderFailureLeavesItEmpty()
    {
        FaultyDisk disk(DiskFault::FileSizeLimit);
        LUMIDEX_REQUIRE_DISK(disk);
        QVERIFY(disk.strike());
        const RestoreOutcome outcome = restoreInto(disk.path(), m_zip, soundCheck());
        disk.lift();
        QCOMPARE(outcome.result, RestoreOutcome::Result::Failed);
        QCOMPARE(restoreEntriesOf(disk.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestRestoreBackup)
#include "tst_restorebackup.moc"
