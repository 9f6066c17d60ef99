// A program folder whose file system cannot lock (some network shares answer a
// lock request with ENOLCK, EOPNOTSUPP, ENOSYS or EINVAL): the archives work all
// the same, without the lock, and the program is told so. A lock that is merely
// busy is waited for and, past the wait, is a failure as before.
//
// Runs with NoLockShim preloaded, which answers the lock requests as such a file
// system would; LUMIDEX_LOCK_ANSWER says how.
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/LockNotice.h"
#include "storage/RollbackJournal.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <memory>

using namespace lumidex;

class TestArchiveNoLocks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyOperationWorksWithoutLocks_data();
    void everyOperationWorksWithoutLocks();
    void aSaveCutShortIsPutBackByTheNextSave();
    void aBusyLockIsStillWaitedFor();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestArchiveNoLocks::initTestCase()
{
    if (!dlsym(RTLD_DEFAULT, "lumidex_no_lock_shim_loaded"))
        QSKIP("NoLockShim is not preloaded (LD_PRELOAD), so the lock requests cannot be answered as a "
              "file system without locks would; run this test through CTest");
}

void TestArchiveNoLocks::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestArchiveNoLocks::cleanup()
{
    qunsetenv("LUMIDEX_LOCK_ANSWER");
}

void TestArchiveNoLocks::everyOperationWorksWithoutLocks_data()
{
    QTest::addColumn<QByteArray>("answer");
    for (const char* answer : { "ENOLCK", "EOPNOTSUPP", "ENOSYS", "EINVAL" })
        QTest::newRow(answer) << QByteArray(answer);
}

void TestArchiveNoLocks::everyOperationWorksWithoutLocks()
{
    QFETCH(QByteArray, answer);
    qputenv("LUMIDEX_LOCK_ANSWER", answer);
    QSignalSpy told(&LockNotice::instance(), &LockNotice::archiveUsedWithoutLock);

    Archive archive(path(), layouts::registry);
    // However busy the archive would be, nothing waits for a lock that cannot be had.
    archive.setLockTimeout(0);
    QCOMPARE(archive.count(), 0);
    QCOMPARE(archive.append({ QStringLiteral("Uno") }), 1);
    QCOMPARE(archive.append({ QStringLiteral("Due") }), 2);
    archive.write(1, { QStringLiteral("Primo") });
    QCOMPARE(archive.read(1).first(), QStringLiteral("Primo"));
    QStringList names;
    archive.visit([&](int, const RecordView& record) {
        names << record.text(0);
        return true;
    });
    QCOMPARE(names, QStringList({ QStringLiteral("Primo"), QStringLiteral("Due") }));
    QCOMPARE(test::readBytes(path()),
        test::rawRecord(test::registryRecordFields(), { QStringLiteral("Primo") })
            + test::rawRecord(test::registryRecordFields(), { QStringLiteral("Due") }));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("Archivio_Anagrafico.pro") });

    // Every operation says it went without the lock; how often the user hears of
    // it is the listener's choice.
    QCOMPARE(told.size(), 6);
    QCOMPARE(told.first().first().toString(), path());
}

void TestArchiveNoLocks::aSaveCutShortIsPutBackByTheNextSave()
{
    qputenv("LUMIDEX_LOCK_ANSWER", "ENOLCK");
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    archive.append({ QStringLiteral("Due") });
    const QByteArray second = test::rawRecord(test::registryRecordFields(), { QStringLiteral("Due") });
    const QByteArray next = test::rawRecord(test::registryRecordFields(), { QStringLiteral("Seconda") });
    QVERIFY(rollbackjournal::write(rollbackjournal::pathFor(path()), { 1, 2 * 3847, second, next }));
    // Cut short at the file's first page edge: old before it, new after.
    const qsizetype edge = 4096 - 3847;
    test::writeBytes(path(), test::readBytes(path()).left(3847 + edge) + next.mid(edge));

    // Without locks, a reader cannot tell a save cut short from one another
    // computer is making: it reads the archive as it is and leaves the repair to
    // the next save, which puts the card back first.
    archive.read(1);
    QVERIFY(QFileInfo::exists(rollbackjournal::pathFor(path())));
    archive.write(1, { QStringLiteral("Primo") });
    QCOMPARE(
        test::readBytes(path()), test::rawRecord(test::registryRecordFields(), { QStringLiteral("Primo") }) + second);
    QVERIFY(!QFileInfo::exists(rollbackjournal::pathFor(path())));
}

void TestArchiveNoLocks::aBusyLockIsStillWaitedFor()
{
    Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    qputenv("LUMIDEX_LOCK_ANSWER", "EAGAIN");
    QSignalSpy told(&LockNotice::instance(), &LockNotice::archiveUsedWithoutLock);
    archive.setLockTimeout(200);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.read(1));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.append({ QStringLiteral("Due") }));
    QCOMPARE(told.size(), 0);
    qunsetenv("LUMIDEX_LOCK_ANSWER");
    QCOMPARE(archive.count(), 1);
}

QTEST_GUILESS_MAIN(TestArchiveNoLocks)
#include "tst_archivenolocks.moc"
