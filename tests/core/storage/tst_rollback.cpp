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

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
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

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }
    QString journal() const { return rollbackjournal::pathFor(path()); }
    // Three cards: worker 7's, worker 1's and worker 8's records.
    void writeThreeCards() const;
    QByteArray card(int position) const { return test::readBytes(path()).mid((position - 1) * recordSize, recordSize); }
    int runWorker(const QStringList& args, bool asNobody = false) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRollback::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRollback::writeThreeCards() const
{
    test::writeBytes(path(),
        test::rawRecord(test::registryRecordFields(), test::workerRecord(7, 0)) + workerBytes(1)
            + test::rawRecord(test::registryRecordFields(), test::workerRecord(8, 0)));
}

int TestRollback::runWorker(const QStringList& args, bool asNobody) const
{
    QProcess worker;
    QTemporaryDir programs;
    QString program = QStringLiteral(ARCHIVE_WORKER_PATH);
    if (asNobody) {
        program = test::copyForAnyUser(program, programs.path());
        if (program.isEmpty())
            return -1;
        worker.setChildProcessModifier([] {
            if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
        });
    }
    worker.start(program, args);
    if (!worker.waitForFinished(10000))
        return -1;
    return worker.exitStatus() == QProcess::NormalExit ? worker.exitCode() : -1;
}

void TestRollback::aSaveLeavesNoRollbackFile()
{
    writeThreeCards();
    Archive(path(), layouts::registry).write(2, test::workerRecord(2, 0));
    QCOMPARE(card(2), workerBytes(2));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "Archivio_Anagrafico.pro" });
}

void TestRollback::aSaveCutShortIsPutBackByTheNextOperation_data()
{
    QTest::addColumn<RollbackStep>("operation");
    QTest::newRow("move to the card") << RollbackStep([](const Archive& a) { a.read(2); });
    QTest::newRow("scan") << RollbackStep(
        [](const Archive& a) { a.visit([](int, const RecordView&) { return true; }); });
    QTest::newRow("append") << RollbackStep([](const Archive& a) { QCOMPARE(a.append({ "Nuova" }), 4); });
    QTest::newRow("save of another card") << RollbackStep([](const Archive& a) { a.write(3, { "Terza" }); });
}

void TestRollback::aSaveCutShortIsPutBackByTheNextOperation()
{
    QFETCH(RollbackStep, operation);
    writeThreeCards();
    const QByteArray first = card(1);
    // The worker dies with the rollback file written and half the new card over the old.
    QCOMPARE(runWorker({ "cut", path(), "2" }), -1);
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
    QCOMPARE(runWorker({ "cut", path(), "2" }), -1);
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
        rollbackjournal::write(scratch, index, record);
        const QByteArray bytes = test::readBytes(scratch);
        QFile::remove(scratch);
        return bytes;
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
    using P = QFileDevice;
    const P::Permissions readable = P::ReadOwner | P::ReadUser | P::ReadGroup | P::ReadOther;
    const P::Permissions writable = P::WriteOwner | P::WriteUser | P::WriteGroup | P::WriteOther;
    const P::Permissions enterable = P::ExeOwner | P::ExeUser | P::ExeGroup | P::ExeOther;
    QVERIFY(QFile::setPermissions(path(), readable | writable));
    QVERIFY(QFile::setPermissions(m_dir->path(), readable | enterable));
    const int exit = runWorker({ "write", path(), "2", "Seconda" }, true);
    QVERIFY(QFile::setPermissions(m_dir->path(), P::ReadOwner | P::WriteOwner | P::ExeOwner));
    QCOMPARE(exit, 0);
    QCOMPARE(Archive(path(), layouts::registry).read(2).first(), QString("Seconda"));
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
        saver.start(ARCHIVE_WORKER_PATH, { "overwrite", path(), "2" });
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
}

QTEST_GUILESS_MAIN(TestRollback)
#include "tst_rollback.moc"
