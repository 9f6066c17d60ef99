#include "ZipLayout.h"
#include "backup/BackupCheck.h"
#include "backup/BackupFiles.h"
#include "backup/MakeBackup.h"
#include "backup/RestoreBackup.h"
#include "backup/ZipReader.h"
#include "core/storage/WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/BackupFolder.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

using namespace lumidex;
using namespace lumidex::backup;
using namespace lumidex::test;

namespace {

const QDateTime backupTime(QDate(2025, 3, 14), QTime(9, 26, 53));

Settings backupTo(const QString& target, bool includeOutputs = false, int keep = 10)
{
    Settings settings;
    settings.targetFolder = target;
    settings.includeOutputs = includeOutputs;
    settings.keep = keep;
    return settings;
}

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs an ordinary tool of the system; its exit code, or -1 when it is not there.
int runSystemTool(
    const QString& tool, const QStringList& arguments, const QString& folder = {}, QByteArray* output = nullptr)
{
    const QString found = QStandardPaths::findExecutable(tool);
    if (found.isEmpty())
        return -1;
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(found, arguments);
    process.waitForFinished(120000);
    if (output)
        *output = process.readAll();
    return process.exitCode();
}

// The bytes of one entry of a ZIP, as libarchive reads them.
QByteArray entryOf(const QString& zipPath, const QString& name)
{
    const int fd = ::open(QFile::encodeName(zipPath).constData(), O_RDONLY | O_CLOEXEC);
    QByteArray bytes;
    {
        ZipReader zip(fd);
        ZipReader::Entry entry;
        while (zip.next(entry) == ZipReader::Next::Entry) {
            if (entry.path == name)
                zip.readData([&bytes](QByteArrayView part) {
                    bytes.append(part);
                    return true;
                });
        }
    }
    ::close(fd);
    return bytes;
}

void flipByte(const QString& path, qint64 at)
{
    QByteArray bytes = readBytes(path);
    bytes[at] = char(bytes[at] ^ 0x5A);
    writeBytes(path, bytes);
}

} // namespace

class TestMakeBackup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
    QString m_target;
    QMap<QString, QByteArray> m_expected;

    // The backup of the fixture folder into the target; it must succeed.
    BackupOutcome backUp(const Settings& settings, const BackupStep& step = {}, const AfterFileRead& after = {})
    {
        return makeBackup(m_program, settings, backupTime, step, after);
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_program = m_root->filePath(QStringLiteral("Lumidex"));
        m_target = m_root->filePath(QStringLiteral("Disco esterno"));
        QVERIFY(QDir().mkpath(m_program));
        QVERIFY(QDir().mkpath(m_target));
        m_expected = backupfolder::fill(m_program);
        for (const QString& path : backupfolder::outputFiles() + backupfolder::neverBackedUp()) {
            QDir().mkpath(QFileInfo(QDir(m_program).filePath(path)).absolutePath());
            writeBytes(QDir(m_program).filePath(path), path.toUtf8().repeated(50));
        }
    }

    // Backed up and unpacked into another folder, every file comes back byte for
    // byte, and nothing else does: with the outputs only when asked for.
    void roundTrip_data()
    {
        QTest::addColumn<bool>("includeOutputs");
        QTest::newRow("data only") << false;
        QTest::newRow("with packages, galleries and exports") << true;
    }
    void roundTrip()
    {
        QFETCH(bool, includeOutputs);
        const BackupOutcome outcome = backUp(backupTo(m_target, includeOutputs));
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QCOMPARE(outcome.zipPath, QDir(m_target).filePath(QStringLiteral("Lumidex_2025-03-14_092653.zip")));
        QCOMPARE(filesOf(m_target), QStringList { QStringLiteral("Lumidex_2025-03-14_092653.zip") });
        QCOMPARE(outcome.contents.cards, int(backupfolder::registryCards().size()));
        QCOMPARE(outcome.contents.books, 3);
        QCOMPARE(outcome.contents.bookEntries, 5);
        QCOMPARE(outcome.contents.attachedFiles, 3);
        QVERIFY(outcome.findings.isEmpty());

        QMap<QString, QByteArray> expected = m_expected;
        if (includeOutputs) {
            for (const QString& path : backupfolder::outputFiles())
                expected.insert(path, path.toUtf8().repeated(50));
        }
        const Check check = checkBackup(outcome.zipPath);
        QCOMPARE(check.result, Check::Result::Sound);
        QCOMPARE(check.contents.made, backupTime);
        const QString restored = m_root->filePath(QStringLiteral("Ripristinata"));
        const RestoreOutcome restore = restoreInto(restored, outcome.zipPath, check);
        QCOMPARE(restore.result, RestoreOutcome::Result::Done);
        QMap<QString, QByteArray> back = backupfolder::filesIn(restored);
        // The settings note where the backups go, and that is all they hold here.
        QVERIFY(!back.contains(QStringLiteral("Lumidex.ini")));
        QCOMPARE(back.keys(), expected.keys());
        for (auto file = expected.cbegin(); file != expected.cend(); ++file)
            QVERIFY2(back.value(file.key()) == file.value(), qPrintable(file.key()));
        // The empty book comes back as an empty book.
        QVERIFY(QFileInfo(QDir(restored).filePath(QStringLiteral("Vuoto.wmn"))).isFile());
    }

    // Any system opens the backup: unzip tests it, sha256sum checks it by the
    // list it carries; names are flagged as UTF-8; pictures and documents that
    // are compressed already are stored, the rest deflated.
    void ordinaryToolsOpenIt()
    {
        const BackupOutcome outcome = backUp(backupTo(m_target, true));
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QByteArray said;
        const int tested = runSystemTool(QStringLiteral("unzip"), { QStringLiteral("-t"), outcome.zipPath }, {}, &said);
        if (tested < 0)
            QSKIP("unzip is not installed (scripts/install-deps installs it)");
        QVERIFY2(tested == 0, said.constData());
        const QString unpacked = m_root->filePath(QStringLiteral("unzip"));
        QCOMPARE(runSystemTool(QStringLiteral("unzip"),
                     { QStringLiteral("-q"), outcome.zipPath, QStringLiteral("-d"), unpacked }),
            0);
        const int checked = runSystemTool(
            QStringLiteral("sha256sum"), { QStringLiteral("-c"), QStringLiteral("SHA256SUMS") }, unpacked, &said);
        QVERIFY2(checked == 0, said.constData());
        QVERIFY(QFileInfo(QDir(unpacked).filePath(QStringLiteral("Documenti_Allegati/Contratto è già firmato.pdf")))
                    .isFile());

        for (const ziplayout::Entry& entry : ziplayout::entries(readBytes(outcome.zipPath))) {
            const bool ascii = entry.name.toUtf8() == entry.name.toLatin1() && !entry.name.contains(QChar(0xFFFD));
            if (!ascii)
                QVERIFY2(entry.flags & 0x0800, qPrintable(entry.name));
            if (entry.name.endsWith(QLatin1Char('/')))
                continue;
            const bool stored = isStoredAsItIs(entry.name);
            QVERIFY2(entry.method == (stored ? 0 : 8), qPrintable(entry.name));
        }
    }

    void packing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stored");
        for (const char* name : { "a.jpg", "b.JPEG", "c.png", "d.gif", "e.webp", "f.tif", "g.pdf", "h.zip", "i.docx",
                 "j.xlsx", "k.odt", "l.ods", "m.mp4", "n.MOV" })
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char* name : { "Archivio_Anagrafico.pro", "x.men", "note.txt", "Lumidex.ini", "unins000.dll",
                 "index.html", "Archivio_Anagrafico.xls", "jpg", "foto.jpg.txt" })
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    void packing()
    {
        QFETCH(QString, name);
        QFETCH(bool, stored);
        QCOMPARE(isStoredAsItIs(name), stored);
    }

    // Another program appends and saves cards hundreds of times while backups
    // are made: each archive in a backup holds whole cards only, every one a
    // version that program wrote.
    void backupWhileAnotherProgramSaves()
    {
        const QString archivePath = QDir(m_program).filePath(QStringLiteral("Archivio_Anagrafico.pro"));
        QFile::remove(archivePath);
        const Archive archive(archivePath, layouts::registry);
        archive.append(workerRecord(1, 0));
        QSet<QByteArray> written;
        constexpr int turns = 400;
        for (int i = 0; i < turns; ++i)
            written.insert(layouts::registry.encode(workerRecord(1, i)));

        QProcess appender;
        QProcess saver;
        appender.start(QStringLiteral(ARCHIVE_WORKER_PATH),
            { QStringLiteral("append"), archivePath, QStringLiteral("1"), QString::number(turns) });
        saver.start(QStringLiteral(ARCHIVE_WORKER_PATH),
            { QStringLiteral("saves"), archivePath, QStringLiteral("1"), QString::number(turns) });
        QVERIFY(appender.waitForStarted() && saver.waitForStarted());
        int backups = 0;
        QDateTime at = backupTime;
        const QDeadlineTimer deadline(180000);
        // A process's end is noticed only when asked for.
        const auto running
            = [](QProcess& worker) { return !worker.waitForFinished(0) && worker.state() != QProcess::NotRunning; };
        while (backups < 3 || running(appender) || running(saver)) {
            at = at.addSecs(1);
            const BackupOutcome outcome = makeBackup(m_program, backupTo(m_target, false, 0), at);
            QCOMPARE(outcome.result, BackupOutcome::Result::Done);
            ++backups;
            const QByteArray copy = entryOf(outcome.zipPath, QStringLiteral("Archivio_Anagrafico.pro"));
            QVERIFY(copy.size() >= registryRecordSize);
            QCOMPARE(copy.size() % registryRecordSize, 0);
            for (qsizetype card = 0; card < copy.size(); card += registryRecordSize)
                QVERIFY2(written.contains(copy.mid(card, registryRecordSize)), qPrintable(QString::number(card)));
            QFile::remove(outcome.zipPath);
            QVERIFY2(!deadline.hasExpired(), "the other programs did not finish");
        }
        appender.waitForFinished();
        saver.waitForFinished();
        QCOMPARE(appender.exitCode(), 0);
        QCOMPARE(saver.exitCode(), 0);
    }

    // A byte changed anywhere in a backup (the data of a stored photo, of the
    // deflated archive, of the list of hashes) fails the check, naming the entry.
    void flippedByteNamesTheEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Check::Result>("result");
        QTest::newRow("stored photo") << "Book_Uomini/Sfilata Milano_Foto_1.jpg" << Check::Result::Damaged;
        QTest::newRow("deflated archive") << "Archivio_Anagrafico.pro" << Check::Result::Damaged;
        QTest::newRow("list of hashes") << "SHA256SUMS" << Check::Result::Damaged;
    }
    void flippedByteNamesTheEntry()
    {
        QFETCH(QString, entry);
        QFETCH(Check::Result, result);
        const BackupOutcome outcome = backUp(backupTo(m_target));
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        qint64 at = -1;
        for (const ziplayout::Entry& found : ziplayout::entries(readBytes(outcome.zipPath)))
            if (found.name == entry)
                at = found.dataOffset + found.packedSize / 2;
        QVERIFY(at > 0);
        flipByte(outcome.zipPath, at);
        const Check check = checkBackup(outcome.zipPath);
        QCOMPARE(check.result, result);
        QCOMPARE(check.entry, entry);
        QVERIFY(!check.reason.isEmpty());
    }

    // A full target, a file size limit or a drive that refuses the final sync:
    // the failure is told, no file is left, the older backups stay as they were.
    void diskFaults_data() { addDiskFaultRows(); }
    void diskFaults()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        const QString older = QDir(disk.path()).filePath(QStringLiteral("Lumidex_2025-01-01_080000.zip"));
        writeBytes(older, QByteArray("una copia precedente"));
        QVERIFY(disk.strike());
        LUMIDEX_REQUIRE_DISK(disk);
        const BackupOutcome outcome = backUp(backupTo(disk.path(), false, 1));
        disk.lift();
        QCOMPARE(outcome.result, BackupOutcome::Result::Failed);
        QVERIFY2(outcome.failure == BackupOutcome::Failure::CannotWrite
                || outcome.failure == BackupOutcome::Failure::CannotCreate,
            qPrintable(outcome.reason));
        QVERIFY(!outcome.reason.isEmpty());
        QCOMPARE(filesOf(disk.path()), QStringList { QStringLiteral("Lumidex_2025-01-01_080000.zip") });
        QCOMPARE(readBytes(older), QByteArray("una copia precedente"));
        // The date of a backup that was not made is not noted.
        QVERIFY(!readSettings(m_program)->lastBackup.isValid());
    }

    // "Annulla" while copying or while checking leaves nothing behind.
    void cancelLeavesNothing_data()
    {
        QTest::addColumn<BackupStage>("stage");
        QTest::newRow("copying") << BackupStage::Copying;
        QTest::newRow("checking") << BackupStage::Checking;
    }
    void cancelLeavesNothing()
    {
        QFETCH(BackupStage, stage);
        int calls = 0;
        const BackupOutcome outcome = backUp(backupTo(m_target), [&](BackupStage now, qint64 done, qint64 total) {
            if (now != stage)
                return true;
            ++calls;
            return done * 2 < total;
        });
        QCOMPARE(outcome.result, BackupOutcome::Result::Cancelled);
        QVERIFY(calls > 1);
        QCOMPARE(filesOf(m_target), QStringList());
    }

    // Only the newest backups are kept, and only once the new one is checked.
    void keepsTheNewest_data()
    {
        QTest::addColumn<int>("keep");
        QTest::addColumn<QStringList>("left");
        const QString made = QStringLiteral("Lumidex_2025-03-14_092653.zip");
        QTest::newRow("the last 2") << 2 << QStringList { QStringLiteral("Lumidex_2025-03-01_120000.zip"), made };
        QTest::newRow("the last 1") << 1 << QStringList { made };
        QTest::newRow("all") << 0
                             << QStringList { QStringLiteral("Lumidex_2025-01-01_120000.zip"),
                                    QStringLiteral("Lumidex_2025-02-01_120000.zip"),
                                    QStringLiteral("Lumidex_2025-03-01_120000.zip"), made,
                                    QStringLiteral("altro.zip") };
    }
    void keepsTheNewest()
    {
        QFETCH(int, keep);
        QFETCH(QStringList, left);
        for (const char* name : { "Lumidex_2025-01-01_120000.zip", "Lumidex_2025-02-01_120000.zip",
                 "Lumidex_2025-03-01_120000.zip", "altro.zip" })
            writeBytes(QDir(m_target).filePath(QString::fromLatin1(name)), "vecchia");
        const BackupOutcome outcome = backUp(backupTo(m_target, false, keep));
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QStringList expected = left;
        if (keep > 0)
            expected << QStringLiteral("altro.zip");
        expected.sort();
        QCOMPARE(filesOf(m_target), expected);
        QCOMPARE(int(outcome.removed.size()), keep == 0 ? 0 : 4 - keep);
    }

    // The quick test of the folder: a partial last record, an attached file a
    // card names but the folder lacks, a photo past the last card. Told, never
    // in the way: the partial record goes into the backup as it lies.
    void integrityFindings()
    {
        const QString book = QDir(m_program).filePath(QStringLiteral("Estate.wmn"));
        QByteArray bytes = readBytes(book);
        bytes += QByteArray(100, 'x');
        writeBytes(book, bytes);
        QVERIFY(QFile::remove(QDir(m_program).filePath(QStringLiteral("Documenti_Allegati/Liberatoria.docx"))));
        writeBytes(QDir(m_program).filePath(QStringLiteral("Anagrafica/Scheda_99.jpg")), "foto");
        const BackupOutcome outcome = backUp(backupTo(m_target));
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        const QList<Finding> expected {
            { Finding::Kind::MissingAttachment, QStringLiteral("Archivio_Anagrafico.pro"), 2,
                QStringLiteral("Liberatoria.docx"), 0 },
            { Finding::Kind::MissingAttachment, QStringLiteral("Estate.wmn"), 1, QStringLiteral("Liberatoria.docx"),
                0 },
            { Finding::Kind::MissingAttachment, QStringLiteral("Estate.wmn"), 2, QStringLiteral("Liberatoria.docx"),
                0 },
            { Finding::Kind::MissingAttachment, QStringLiteral("Estate.wmn"), 3, QStringLiteral("Liberatoria.docx"),
                0 },
            { Finding::Kind::PartialRecord, QStringLiteral("Estate.wmn"), 0, {}, 100 },
            { Finding::Kind::PhotoPastLastCard, QStringLiteral("Anagrafica/Scheda_99.jpg"), 99, {}, 0 },
        };
        QCOMPARE(outcome.findings, expected);
        const Check check = checkBackup(outcome.zipPath);
        const QString unpacked = m_root->filePath(QStringLiteral("copia"));
        QCOMPARE(restoreInto(unpacked, outcome.zipPath, check).result, RestoreOutcome::Result::Done);
        QCOMPARE(readBytes(QDir(unpacked).filePath(QStringLiteral("Estate.wmn"))), bytes);
    }

    // A photo that changes while it is copied is read again; one that changes
    // every time goes in as last read, and is named.
    void changedFilesAreReadAgain_data()
    {
        QTest::addColumn<int>("changes");
        QTest::addColumn<bool>("named");
        QTest::newRow("changes once") << 1 << false;
        QTest::newRow("changes every time") << 100 << true;
    }
    void changedFilesAreReadAgain()
    {
        QFETCH(int, changes);
        QFETCH(bool, named);
        const QString photo = QStringLiteral("Book_Donne/Estate_Foto_3.jpg");
        const QString path = QDir(m_program).filePath(photo);
        int made = 0;
        QByteArray last;
        const BackupOutcome outcome = backUp(backupTo(m_target), {}, [&](const QString& read) {
            if (read != path || made == changes)
                return;
            ++made;
            last = QByteArray("nuova versione ").repeated(made + 10);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(last);
        });
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QCOMPARE(outcome.changedWhileCopied, named ? QStringList { photo } : QStringList());
        const Check check = checkBackup(outcome.zipPath);
        const QString unpacked = m_root->filePath(QStringLiteral("copia"));
        QCOMPARE(restoreInto(unpacked, outcome.zipPath, check).result, RestoreOutcome::Result::Done);
        const QByteArray kept = readBytes(QDir(unpacked).filePath(photo));
        // Read again after the one change, it is the new version; changing
        // every time, it is the version the second reading found.
        QCOMPARE(kept, named ? QByteArray("nuova versione ").repeated(11) : last);
    }

    // A file too large to be read whole first (a film attached to a card) goes
    // in as it is read; one that changes meanwhile goes in as it was read, and
    // is named: the backup itself stays sound.
    void largeFileGoesInAsItIsRead_data()
    {
        QTest::addColumn<bool>("shrinks");
        QTest::newRow("steady") << false;
        QTest::newRow("changes while read") << true;
    }
    void largeFileGoesInAsItIsRead()
    {
        QFETCH(bool, shrinks);
        const QString film = QStringLiteral("Documenti_Allegati/sfilata.mp4");
        const QString path = QDir(m_program).filePath(film);
        QByteArray bytes(qsizetype(65) << 20, Qt::Uninitialized);
        for (qsizetype at = 0; at < bytes.size(); ++at)
            bytes[at] = char((at * 2654435761u) >> 13);
        writeBytes(path, bytes);
        const BackupOutcome outcome = backUp(backupTo(m_target), {}, [&](const QString& read) {
            if (shrinks && read == path)
                QFile::resize(path, 1000);
        });
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QCOMPARE(outcome.changedWhileCopied, shrinks ? QStringList { film } : QStringList());
        const Check check = checkBackup(outcome.zipPath);
        QCOMPARE(check.result, Check::Result::Sound);
        QCOMPARE(entryOf(outcome.zipPath, film), bytes);
    }

    // No target, a target that is gone, a target inside the folder it would
    // back up: refused, nothing written.
    void targetRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<BackupOutcome::Failure>("failure");
        QTest::newRow("none chosen") << QString() << BackupOutcome::Failure::NoTarget;
        QTest::newRow("drive gone") << "/media/disco-che-non-c-e" << BackupOutcome::Failure::NoTarget;
        QTest::newRow("the program folder") << "." << BackupOutcome::Failure::TargetInsideProgramFolder;
        QTest::newRow("inside it") << "Anagrafica" << BackupOutcome::Failure::TargetInsideProgramFolder;
    }
    void targetRefused()
    {
        QFETCH(QString, target);
        QFETCH(BackupOutcome::Failure, failure);
        if (!target.isEmpty() && !target.startsWith(QLatin1Char('/')))
            target = QDir(m_program).filePath(target);
        const QMap<QString, QByteArray> before = backupfolder::filesIn(m_program);
        const BackupOutcome outcome = backUp(backupTo(target));
        QCOMPARE(outcome.result, BackupOutcome::Result::Failed);
        QCOMPARE(outcome.failure, failure);
        QCOMPARE(backupfolder::filesIn(m_program), before);
    }

    // The date and place of the last backup are noted in the folder's settings,
    // beside whatever else the file holds.
    void lastBackupIsNoted()
    {
        const QString ini = QDir(m_program).filePath(QStringLiteral("Lumidex.ini"));
        writeBytes(ini, "; impostazioni\r\n[Altro]\r\nChiave=valore\r\n");
        Settings settings = backupTo(m_target + QStringLiteral(" "), false, 5);
        QDir().mkpath(settings.targetFolder);
        settings.reminder = Reminder::Monthly;
        QVERIFY(writeSettings(m_program, settings));
        const BackupOutcome outcome = backUp(settings);
        QCOMPARE(outcome.result, BackupOutcome::Result::Done);
        QVERIFY(outcome.settingsNotSaved.isEmpty());
        Settings noted = settings;
        noted.lastBackup = backupTime;
        noted.lastBackupFile = outcome.zipPath;
        QCOMPARE(readSettings(m_program), std::optional<Settings>(noted));
        QVERIFY(readBytes(ini).startsWith("; impostazioni\r\n[Altro]\r\nChiave=valore\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestMakeBackup)
#include "tst_makebackup.moc"
