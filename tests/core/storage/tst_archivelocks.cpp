// Programs that read and write one archive at once: a save waiting for the
// readers inside keeps new readers out, so that readers working back to back
// (a slideshow, a search, a second computer browsing) never keep a save out.
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <memory>
#include <thread>

using namespace lumidex;

class TestArchiveLocks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aWaitingSaveKeepsNewReadersOut();
    void savesGetTheirTurnBetweenBackToBackReaders_data();
    void savesGetTheirTurnBetweenBackToBackReaders();
    void readersStillShareTheArchive();
    void savesAndAppendsOnASlowDiskAllGetIn();
    void aHolderPastTheWaitIsReportedAtTheWait();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }
    // A worker started with `args`, once it has said `ready` (when given).
    QProcess* startWorker(const QStringList& args, const QByteArray& ready = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    void writeCards(int count) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QProcess*> m_workers;
};

void TestArchiveLocks::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestArchiveLocks::cleanup()
{
    for (QProcess* worker : std::as_const(m_workers)) {
        worker->kill();
        worker->waitForFinished();
        delete worker;
    }
    m_workers.clear();
}

QProcess* TestArchiveLocks::startWorker(
    const QStringList& args, const QByteArray& ready, const QProcessEnvironment& environment)
{
    auto* worker = new QProcess;
    m_workers << worker;
    worker->setProcessEnvironment(environment);
    worker->start(QStringLiteral(ARCHIVE_WORKER_PATH), args);
    if (!worker->waitForStarted(10000))
        return nullptr;
    if (!ready.isEmpty() && (!worker->waitForReadyRead(10000) || worker->readLine().trimmed() != ready))
        return nullptr;
    return worker;
}

void TestArchiveLocks::writeCards(int count) const
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * test::registryRecordSize);
    for (int i = 0; i < count; ++i)
        bytes += test::rawRecord(test::registryRecordFields(), test::workerRecord(9, i));
    test::writeBytes(path(), bytes);
}

void TestArchiveLocks::aWaitingSaveKeepsNewReadersOut()
{
    writeCards(1);
    // A reader stays inside for a while; a save comes and must wait for it.
    QVERIFY(startWorker({ QStringLiteral("reading"), path(), QStringLiteral("1500") }, "reading"));
    int appendedAt = 0;
    QString appendFailure;
    std::thread saver([&] {
        try {
            appendedAt = Archive(path(), layouts::registry).append({ QStringLiteral("Nuova") });
        } catch (const ArchiveError& error) {
            appendFailure = error.reason();
        }
    });
    QTest::qWait(300);

    // A reader arriving now would share the archive with the one inside, and the
    // save would wait for both; it queues behind the save instead.
    Archive latecomer(path(), layouts::registry);
    latecomer.setLockTimeout(300);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, latecomer.count());

    saver.join();
    QVERIFY2(appendFailure.isEmpty(), qPrintable(appendFailure));
    QCOMPARE(appendedAt, 2);
    latecomer.setLockTimeout(5000);
    QCOMPARE(latecomer.read(2).first(), QStringLiteral("Nuova"));
}

void TestArchiveLocks::savesGetTheirTurnBetweenBackToBackReaders_data()
{
    QTest::addColumn<QString>("reading");
    // Scans of 10,000 cards let the pending byte go as soon as they are in.
    QTest::newRow("scans") << QStringLiteral("scans");
    // Moves keep it for their few microseconds: a save announces itself between them.
    QTest::newRow("moves") << QStringLiteral("moves");
}

void TestArchiveLocks::savesGetTheirTurnBetweenBackToBackReaders()
{
    // Two programs reading back to back leave the archive hardly a moment free
    // of readers: every save must still get in, within the usual wait.
    QFETCH(QString, reading);
    constexpr int cards = 10000;
    constexpr int saves = 15;
    writeCards(cards);
    QProcess* first = startWorker({ reading, path(), QStringLiteral("60000") });
    QProcess* second = startWorker({ reading, path(), QStringLiteral("60000") });
    QVERIFY(first && second);
    QTest::qWait(200);

    const Archive archive(path(), layouts::registry);
    for (int i = 0; i < saves; ++i) {
        try {
            QCOMPARE(archive.append(test::workerRecord(3, i)), cards + i + 1);
        } catch (const ArchiveError& error) {
            QFAIL(qPrintable(QStringLiteral("save %1 kept out: %2").arg(i + 1).arg(error.reason())));
        }
    }
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(second->state(), QProcess::Running);
    QCOMPARE(archive.count(), cards + saves);
    QCOMPARE(test::readBytes(path()).right(test::registryRecordSize),
        test::rawRecord(test::registryRecordFields(), test::workerRecord(3, saves - 1)));
}

void TestArchiveLocks::readersStillShareTheArchive()
{
    writeCards(3);
    QVERIFY(startWorker({ QStringLiteral("reading"), path(), QStringLiteral("2000") }, "reading"));
    // With a reader inside and no save waiting, another reader gets in at once.
    Archive reader(path(), layouts::registry);
    reader.setLockTimeout(300);
    QCOMPARE(reader.count(), 3);
    QCOMPARE(reader.read(2), test::workerRecord(9, 1));
}

void TestArchiveLocks::savesAndAppendsOnASlowDiskAllGetIn()
{
    // Four programs save their own card and four append, all back to back, on a
    // disk whose every sync takes 10 ms (a network share): each holds the archive
    // for tens of milliseconds at a time, and the others wait in turn. None may
    // reach the five-second limit, which is for a computer that keeps the
    // archive, not for colleagues who keep saving.
    if (!dlsym(RTLD_DEFAULT, "lumidex_sync_shim_loaded"))
        QSKIP(
            "the fault shim is not preloaded (LD_PRELOAD), so the disk cannot be slowed; run this test through CTest");
    constexpr int programs = 4;
    constexpr int each = 30;
    writeCards(programs);
    QProcessEnvironment slowDisk = QProcessEnvironment::systemEnvironment();
    slowDisk.insert(QStringLiteral("LUMIDEX_SYNC_DELAY_MS"), QStringLiteral("10"));
    // Waiting in turn, a program waits for the seven others at most, each for
    // three syncs: a fraction of this. Trying again and again, one could be
    // overtaken until it gave up.
    slowDisk.insert(QStringLiteral("ARCHIVE_WORKER_LOCK_TIMEOUT_MS"), QStringLiteral("1500"));
    QList<QProcess*> started;
    for (int i = 1; i <= programs; ++i) {
        started << startWorker(
            { QStringLiteral("saves"), path(), QString::number(i), QString::number(each) }, {}, slowDisk);
        started << startWorker(
            { QStringLiteral("append"), path(), QString::number(i), QString::number(each) }, {}, slowDisk);
    }
    for (QProcess* worker : std::as_const(started)) {
        QVERIFY(worker);
        QVERIFY(worker->waitForFinished(120000));
        QVERIFY2(worker->exitStatus() == QProcess::NormalExit && worker->exitCode() == 0,
            qPrintable(worker->arguments().join(QLatin1Char(' ')) + QStringLiteral(": ")
                + QString::fromUtf8(worker->readAllStandardError())));
    }

    const Archive archive(path(), layouts::registry);
    QCOMPARE(archive.count(), programs + programs * each);
    for (int i = 1; i <= programs; ++i)
        QCOMPARE(archive.read(i), test::workerRecord(i, each - 1));
    // Every appended card whole, each program's in its own order.
    QList<int> next(programs + 1, 0);
    for (int position = programs + 1; position <= archive.count(); ++position) {
        const QStringList card = archive.read(position);
        const int worker = card.first().mid(1, card.first().indexOf(QLatin1Char('-')) - 1).toInt();
        QVERIFY2(worker >= 1 && worker <= programs, qPrintable(card.first()));
        QCOMPARE(card, test::workerRecord(worker, next[worker]++));
    }
}

void TestArchiveLocks::aHolderPastTheWaitIsReportedAtTheWait()
{
    // A computer that keeps the archive six seconds: the save gives up at five.
    writeCards(1);
    QVERIFY(startWorker({ QStringLiteral("hold"), path(), QStringLiteral("6000") }, "locked"));
    QElapsedTimer waited;
    waited.start();
    QString failure;
    try {
        Archive(path(), layouts::registry).append({ QStringLiteral("Nuova") });
    } catch (const ArchiveError& error) {
        failure = error.reason();
    }
    const qint64 elapsed = waited.elapsed();
    QVERIFY2(failure.startsWith(QStringLiteral("Cannot lock")), qPrintable(failure));
    QVERIFY2(elapsed >= Archive::lockTimeoutMs - 50 && elapsed < 5900, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(TestArchiveLocks)
#include "tst_archivelocks.moc"
