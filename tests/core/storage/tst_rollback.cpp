// A save cut short (the program killed, the power gone) leaves the card wholly
// old or wholly new: the overwrite goes through a rollback file beside the
// archive, and the next operation puts the old card back from it.
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/RollbackJournal.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <functional>
#include <memory>
#include <signal.h>
#include <unistd.h>

using namespace lumidex;

namespace {

constexpr int recordSize = test::registryRecordSize;

QByteArray workerBytes(int worker)
{
    return test::rawRecord(test::registryRecordFields(), test::workerRecord(worker, 0));
}

using RollbackStep = std::function<void(const Archive&)>;

} // namespace

class TestRollback : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aSaveLeavesNoRollbackFile();
    void aSaveCutShortIsPutBackByTheNextOperation_data();
    void aSaveCutShortIsPutBackByTheNextOperation();
    void aCountLeavesTheRepairToTheNextRead();
    void aRollbackFileThatCannotBeTrustedIsDropped_data();
    void aRollbackFileThatCannotBeTrustedIsDropped();
    void aFolderWithoutRoomForTheRollbackFileStillSaves();
    void killedDuringSavesEveryCardIsWhole();
    void aRollbackFileOfAnotherWriteLeavesTheCardAlone_data();
    void aRollbackFileOfAnotherWriteLeavesTheCardAlone();
    void aLinkAtTheRollbackNameIsNeverFollowed_data();
    void aLinkAtTheRollbackNameIsNeverFollowed();
    void aFolderOnlyToReadShowsTheCardAsItWas_data();
    void aFolderOnlyToReadShowsTheCardAsItWas();
    void aRefusedSyncIsAFailedSave_data();
    void aRefusedSyncIsAFailedSave();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }
    QString journal() const { return rollbackjournal::pathFor(path()); }
    // Three cards: worker 7's, worker 1's and worker 8's records.
    void writeThreeCards() const;
    QByteArray card(int position) const { return test::readBytes(path()).mid((position - 1) * recordSize, recordSize); }
    // The worker's exit code (-1 when it did not end by itself), with what it printed.
    int runWorker(const QStringList& args, bool asNobody = false, QByteArray* printed = nullptr) const;
    // Lets any user into the folder and makes the archive readable (and writable)
    // by all, or gives the folder back to its owner alone.
    void openToEveryone(bool archiveWritable) const;
    void giveBack() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRollback::init()
{
    // Where another user can reach it: some tests run the worker as nobody on it.
    m_dir = test::folderForAnyUser();
    QVERIFY(m_dir);
}

void TestRollback::writeThreeCards() const
{
    test::writeBytes(path(),
        test::rawRecord(test::registryRecordFields(), test::workerRecord(7, 0)) + workerBytes(1)
            + test::rawRecord(test::registryRecordFields(), test::workerRecord(8, 0)));
}

int TestRollback::runWorker(const QStringList& args, bool asNobody, QByteArray* printed) const
{
    QProcess worker;
    std::unique_ptr<QTemporaryDir> programs;
    QString program = QStringLiteral(ARCHIVE_WORKER_PATH);
    if (asNobody) {
        programs = test::folderForAnyUser();
        program = programs ? test::copyForAnyUser(program, programs->path()) : QString();
        if (program.isEmpty())
            return -1;
        test::startAsNobody(worker);
    }
    worker.start(program, args);
    if (!worker.waitForFinished(10000))
        return -1;
    if (printed)
        *printed = worker.readAllStandardOutput().trimmed();
    return worker.exitStatus() == QProcess::NormalExit ? worker.exitCode() : -1;
}

void TestRollback::openToEveryone(bool archiveWritable) const
{
    using P = QFileDevice;
    const P::Permissions readable = P::ReadOwner | P::ReadUser | P::ReadGroup | P::ReadOther;
    const P::Permissions writable = P::WriteOwner | P::WriteUser | P::WriteGroup | P::WriteOther;
    const P::Permissions enterable = P::ExeOwner | P::ExeUser | P::ExeGroup | P::ExeOther;
    QVERIFY(QFile::setPermissions(path(), archiveWritable ? readable | writable : readable));
    QVERIFY(QFile::setPermissions(m_dir->path(), readable | enterable));
}

void TestRollback::giveBack() const
{
    using P = QFileDevice;
    QVERIFY(QFile::setPermissions(m_dir->path(), P::ReadOwner | P::WriteOwner | P::ExeOwner));
    QVERIFY(QFile::setPermissions(path(), P::ReadOwner | P::WriteOwner));
}

void TestRollback::aSaveLeavesNoRollbackFile()
{
    writeThreeCards();
    Archive(path(), layouts::registry).write(2, test::workerRecord(2, 0));
    QCOMPARE(card(2), workerBytes(2));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("Archivio_Anagrafico.pro") });
}

void TestRollback::aSaveCutShortIsPutBackByTheNextOperation_data()
{
    QTest::addColumn<RollbackStep>("operation");
    QTest::newRow("move to the card") << RollbackStep([](const Archive& a) { a.read(2); });
    QTest::newRow("scan") << RollbackStep(
        [](const Archive& a) { a.visit([](int, const RecordView&) { return true; }); });
    QTest::newRow("append") << RollbackStep(
        [](const Archive& a) { QCOMPARE(a.append({ QStringLiteral("Nuova") }), 4); });
    QTest::newRow("save of another card")
        << RollbackStep([](const Archive& a) { a.write(3, { QStringLiteral("Terza") }); });
}

void TestRollback::aSaveCutShortIsPutBackByTheNextOperation()
{
    QFETCH(RollbackStep, operation);
    writeThreeCards();
    const QByteArray first = card(1);
    // The worker dies with the rollback file written and half the new card over the old.
    QCOMPARE(runWorker({ QStringLiteral("cut"), path(), QStringLiteral("2") }), -1);
    QVERIFY(QFileInfo::exists(journal()));
    QVERIFY(card(2) != workerBytes(1));

    const Archive archive(path(), layouts::registry);
    operation(archive);
    QCOMPARE(card(2), workerBytes(1));
    QCOMPARE(card(1), first);
    QVERIFY(!QFileInfo::exists(journal()));
    QCOMPARE(archive.read(2), test::workerRecord(1, 0));
}

// Only the overwrite of a card goes through a rollback file, so a save cut short
// never changes how many cards there are: the count is right without the repair,
// and the first read puts the card back.
void TestRollback::aCountLeavesTheRepairToTheNextRead()
{
    writeThreeCards();
    QCOMPARE(runWorker({ QStringLiteral("cut"), path(), QStringLiteral("2") }), -1);
    const QByteArray torn = card(2);
    QVERIFY(torn != workerBytes(1));

    const Archive archive(path(), layouts::registry);
    QCOMPARE(archive.count(), 3);
    QVERIFY(QFileInfo::exists(journal()));
    QCOMPARE(card(2), torn);
    QCOMPARE(archive.read(2), test::workerRecord(1, 0));
    QVERIFY(!QFileInfo::exists(journal()));
    QCOMPARE(card(2), workerBytes(1));
}

void TestRollback::aRollbackFileThatCannotBeTrustedIsDropped_data()
{
    QTest::addColumn<QByteArray>("rollback");
    const QByteArray old = workerBytes(5);
    const QString scratch = QDir::temp().filePath(QStringLiteral("lumidex-rollback-%1").arg(::getpid()));
    const auto written = [&](qint64 index, const QByteArray& record) {
        const QByteArray next(record.size(), 'n');
        const bool made = rollbackjournal::write(scratch, { index, (index + 1) * record.size(), record, next });
        const QByteArray bytes = test::readBytes(scratch);
        QFile::remove(scratch);
        return made ? bytes : QByteArray();
    };
    const QByteArray whole = written(1, old);
    QVERIFY(!whole.isEmpty());
    // Written only in part: the save it belonged to never reached the card.
    QTest::newRow("cut short") << whole.left(whole.size() - 1);
    QTest::newRow("header only") << whole.left(20);
    QTest::newRow("empty") << QByteArray();
    QByteArray damaged = whole;
    damaged[100] = char(damaged[100] ^ 0x20);
    QTest::newRow("checksum does not match") << damaged;
    QTest::newRow("another record size") << written(1, old.left(3548));
    QTest::newRow("a card past the end") << written(3, old);
    // What the first version of the program wrote: it names no new card, so the
    // card it would put back cannot be told from one saved since.
    QByteArray firstVersion = whole.left(8 + 8 + 4) + old;
    firstVersion[7] = '1';
    firstVersion += QCryptographicHash::hash(firstVersion, QCryptographicHash::Sha256);
    QTest::newRow("the first version's file") << firstVersion;
    QTest::newRow("another program's file") << QByteArray(whole.size(), 'x');
}

void TestRollback::aRollbackFileThatCannotBeTrustedIsDropped()
{
    QFETCH(QByteArray, rollback);
    writeThreeCards();
    const QByteArray before = test::readBytes(path());
    test::writeBytes(journal(), rollback);

    QCOMPARE(Archive(path(), layouts::registry).read(2), test::workerRecord(1, 0));
    QCOMPARE(test::readBytes(path()), before);
    QVERIFY(!QFileInfo::exists(journal()));
}

void TestRollback::aFolderWithoutRoomForTheRollbackFileStillSaves()
{
    // An archive the user may write in a folder where no file can be made: the
    // save goes on without a rollback file, as it always did. Run as an
    // unprivileged user, since the tests may run as root, who may write anywhere.
    writeThreeCards();
    openToEveryone(true);
    const int exit
        = runWorker({ QStringLiteral("write"), path(), QStringLiteral("2"), QStringLiteral("Seconda") }, true);
    giveBack();
    QCOMPARE(exit, 0);
    QCOMPARE(Archive(path(), layouts::registry).read(2).first(), QStringLiteral("Seconda"));
    QVERIFY(!QFileInfo::exists(journal()));
}

void TestRollback::killedDuringSavesEveryCardIsWhole()
{
    // The card crosses a page boundary of the file (bytes 3847 to 7693), where the
    // system may stop a write cut short by a fatal signal.
    writeThreeCards();
    const QByteArray first = card(1);
    const QByteArray third = card(3);
    QRandomGenerator random(20261210);
    int killedInsideASave = 0;
    constexpr int kills = 60;
    for (int i = 0; i < kills; ++i) {
        QProcess saver;
        saver.start(ARCHIVE_WORKER_PATH, { QStringLiteral("overwrite"), path(), QStringLiteral("2") });
        QVERIFY(saver.waitForReadyRead(10000));
        QTest::qSleep(int(random.bounded(1, 25)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(10000));
        killedInsideASave += QFileInfo::exists(journal());

        const QStringList shown = Archive(path(), layouts::registry).read(2);
        QVERIFY2(shown == test::workerRecord(1, 0) || shown == test::workerRecord(2, 0),
            qPrintable(QStringLiteral("kill %1: %2").arg(i).arg(shown.first())));
        const QByteArray now = card(2);
        QVERIFY2(now == workerBytes(1) || now == workerBytes(2), qPrintable(QStringLiteral("kill %1").arg(i)));
        QCOMPARE(card(1), first);
        QCOMPARE(card(3), third);
    }
    qInfo("%d of %d kills came while a rollback file was there", killedInsideASave, kills);
    // Nothing a killed save was making is left beside the archive once it is used.
    Archive(path(), layouts::registry).write(2, test::workerRecord(1, 0));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        QStringList { QStringLiteral("Archivio_Anagrafico.pro") });
}

void TestRollback::aRollbackFileOfAnotherWriteLeavesTheCardAlone_data()
{
    QTest::addColumn<QByteArray>("found");
    QTest::addColumn<int>("cardsAdded");
    QTest::addColumn<bool>("putBack");
    const QByteArray old = workerBytes(1);
    const QByteArray next = workerBytes(2);
    // Card 2 starts 249 bytes before the file's first page edge (byte 4096).
    const qsizetype toPageEdge = 4096 - recordSize;
    QTest::newRow("the new card whole") << next << 0 << true;
    QTest::newRow("new up to the page edge") << next.left(toPageEdge) + old.mid(toPageEdge) << 0 << true;
    QTest::newRow("new up to a sector edge") << next.left(toPageEdge + 512) + old.mid(toPageEdge + 512) << 0 << true;
    QTest::newRow("old up to the page edge") << old.left(toPageEdge) + next.mid(toPageEdge) << 0 << true;
    QTest::newRow("torn inside a sector") << next.left(100) + old.mid(100) << 0 << false;
    QTest::newRow("a copy of the folder put back") << workerBytes(3) << 0 << false;
    QTest::newRow("the new card, a card added since") << next << 1 << false;
}

void TestRollback::aRollbackFileOfAnotherWriteLeavesTheCardAlone()
{
    QFETCH(QByteArray, found);
    QFETCH(int, cardsAdded);
    QFETCH(bool, putBack);
    writeThreeCards();
    QVERIFY(rollbackjournal::write(journal(), { 1, 3 * recordSize, workerBytes(1), workerBytes(2) }));
    QByteArray bytes = test::readBytes(path());
    bytes.replace(recordSize, recordSize, found);
    bytes += workerBytes(4).repeated(cardsAdded);
    test::writeBytes(path(), bytes);

    const Archive archive(path(), layouts::registry);
    QCOMPARE(archive.count(), 3 + cardsAdded);
    QCOMPARE(archive.read(1), test::workerRecord(7, 0));
    QCOMPARE(card(2), putBack ? workerBytes(1) : found);
    QCOMPARE(card(3), test::rawRecord(test::registryRecordFields(), test::workerRecord(8, 0)));
    QVERIFY(!QFileInfo::exists(journal()));
}

void TestRollback::aLinkAtTheRollbackNameIsNeverFollowed_data()
{
    QTest::addColumn<RollbackStep>("operation");
    QTest::addColumn<QString>("secondCard");
    QTest::newRow("move to the card") << RollbackStep([](const Archive& a) { a.read(2); }) << QString();
    QTest::newRow("scan") << RollbackStep([](const Archive& a) {
        a.visit([](int, const RecordView&) { return true; });
    }) << QString();
    QTest::newRow("append") << RollbackStep([](const Archive& a) { a.append({ "Nuova" }); }) << QString();
    QTest::newRow("save of the card") << RollbackStep([](const Archive& a) { a.write(2, { "Seconda" }); })
                                      << QStringLiteral("Seconda");
}

void TestRollback::aLinkAtTheRollbackNameIsNeverFollowed()
{
    QFETCH(RollbackStep, operation);
    QFETCH(QString, secondCard);
    writeThreeCards();
    // A file outside the folder that a link at the rollback file's name leads to:
    // the password store, say, which read as an empty password when a save wrote
    // an old card into it.
    QTemporaryDir elsewhere;
    const QString store = elsewhere.filePath(QStringLiteral("unins000.dll"));
    const QByteArray storeBytes("[Accesso]\r\nChiave=lucernaviolata\r\n");
    test::writeBytes(store, storeBytes);
    QVERIFY(QFile::link(store, journal()));

    const Archive archive(path(), layouts::registry);
    operation(archive);
    QCOMPARE(test::readBytes(store), storeBytes);
    QVERIFY(!QFileInfo(journal()).isSymLink());
    QVERIFY(!QFileInfo::exists(journal()));
    QCOMPARE(archive.read(2).first(), secondCard.isEmpty() ? test::workerRecord(1, 0).first() : secondCard);

    // Planted just before a save writes its rollback file: the file takes the
    // link's place, and nothing is written where it led.
    QVERIFY(QFile::link(store, journal()));
    QVERIFY(rollbackjournal::write(journal(), { 1, 3 * recordSize, workerBytes(1), workerBytes(2) }));
    QCOMPARE(test::readBytes(store), storeBytes);
    QVERIFY(!QFileInfo(journal()).isSymLink());
    QCOMPARE(rollbackjournal::read(journal(), recordSize).state, rollbackjournal::Found::State::Complete);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

void TestRollback::aFolderOnlyToReadShowsTheCardAsItWas_data()
{
    QTest::addColumn<bool>("archiveWritable");
    QTest::newRow("the archive only to read") << false;
    QTest::newRow("the archive writable") << true;
}

void TestRollback::aFolderOnlyToReadShowsTheCardAsItWas()
{
    // Another computer died in the middle of a save, and this user may only read
    // the folder: browsing shows the card as it was before that save, and saves
    // fail as everywhere in such a folder. Run as an unprivileged user, since the
    // tests may run as root, who may write anywhere.
    QFETCH(bool, archiveWritable);
    writeThreeCards();
    QCOMPARE(runWorker({ QStringLiteral("cut"), path(), QStringLiteral("2") }), -1);
    const QByteArray torn = card(2);
    QVERIFY(torn != workerBytes(1));
    openToEveryone(archiveWritable);
    QByteArray shown;
    const int read = runWorker({ QStringLiteral("show"), path(), QStringLiteral("2") }, true, &shown);
    QByteArray refusal;
    const int saved
        = runWorker({ QStringLiteral("write"), path(), QStringLiteral("3"), QStringLiteral("Terza") }, true, &refusal);
    giveBack();

    QCOMPARE(read, 0);
    QCOMPARE(QString::fromUtf8(shown), test::workerRecord(1, 0).first());
    QCOMPARE(saved, 1);
    QVERIFY(QFileInfo::exists(journal()));
    // Only a user who may write the archive puts the card back on the disk.
    QCOMPARE(card(2), archiveWritable ? workerBytes(1) : torn);
    QCOMPARE(card(3), test::rawRecord(test::registryRecordFields(), test::workerRecord(8, 0)));

    // Back in a folder the user may write, the next read puts it all in order.
    QCOMPARE(Archive(path(), layouts::registry).read(2), test::workerRecord(1, 0));
    QCOMPARE(card(2), workerBytes(1));
    QVERIFY(!QFileInfo::exists(journal()));
}

void TestRollback::aRefusedSyncIsAFailedSave_data()
{
    QTest::addColumn<RollbackStep>("save");
    QTest::addColumn<QByteArray>("answer");
    const RollbackStep append([](const Archive& a) { a.append({ QStringLiteral("Nuova") }); });
    const RollbackStep overwrite([](const Archive& a) { a.write(2, { QStringLiteral("Seconda") }); });
    for (const QByteArray& answer : { QByteArray("EIO"), QByteArray("ENOSPC") }) {
        QTest::addRow("append, %s", answer.constData()) << append << answer;
        QTest::addRow("overwrite, %s", answer.constData()) << overwrite << answer;
    }
}

void TestRollback::aRefusedSyncIsAFailedSave()
{
    // A save is told only once its card is on the disk: a disk that refuses the
    // sync (a share that learns of a full disk only then) fails the save.
    QFETCH(RollbackStep, save);
    QFETCH(QByteArray, answer);
    if (!dlsym(RTLD_DEFAULT, "lumidex_sync_shim_loaded"))
        QSKIP("the fault shim is not preloaded (LD_PRELOAD), so no sync can be refused; run this test through CTest");
    writeThreeCards();
    const Archive archive(path(), layouts::registry);
    qputenv("LUMIDEX_SYNC_ANSWER", answer);
    QString failure;
    try {
        save(archive);
    } catch (const ArchiveError& error) {
        failure = error.reason();
    }
    qunsetenv("LUMIDEX_SYNC_ANSWER");
    QVERIFY2(failure.startsWith(QStringLiteral("Cannot sync")), qPrintable(failure));
    QVERIFY(failure.endsWith(qt_error_string(answer == "EIO" ? EIO : ENOSPC)));
    QVERIFY(!QFileInfo::exists(journal()));
    QCOMPARE(archive.read(1), test::workerRecord(7, 0));
}

QTEST_GUILESS_MAIN(TestRollback)
#include "tst_rollback.moc"
