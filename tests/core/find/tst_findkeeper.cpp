#include "find/FindFields.h"
#include "find/FindKeeper.h"
#include "find/FindQuery.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/CauseWords.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <memory>

using namespace lumidex;

namespace {

QStringList person(const QString& name)
{
    QStringList card = test::blankRecord(layouts::registry);
    card[layouts::registry.indexOf("Nome")] = name;
    return card;
}

// The positions of the first cards the keeper's index finds for `typed`.
QList<int> found(const FindKeeper& keeper, const QString& typed)
{
    QList<int> positions;
    if (const FindIndex* index = keeper.index())
        for (const FoundCard& card : index->find(FindQuery(typed), 50).best)
            positions << card.position;
    return positions;
}

} // namespace

// The index of an archive kept as the archive is: made on a thread of its own,
// made again once any program changed the archive, and told when it cannot be.
class TestFindKeeper : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QProcess*> m_workers;

    QString path() const { return m_dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }

    void store(const QStringList& names) const
    {
        const Archive archive(path(), layouts::registry);
        for (const QString& name : names)
            archive.append(person(name));
    }

    // Another program on the same archive (tests/core/storage/archive_worker.cpp),
    // once it printed `ready`, or ended when `ready` is empty.
    QProcess* runWorker(const QStringList& args, const QByteArray& ready = {})
    {
        auto* worker = new QProcess(this);
        m_workers << worker;
        worker->start(QStringLiteral(ARCHIVE_WORKER_PATH), args);
        if (!worker->waitForStarted(10000))
            return nullptr;
        if (ready.isEmpty())
            return worker->waitForFinished(30000) && worker->exitCode() == 0 ? worker : nullptr;
        if (!worker->waitForReadyRead(10000) || worker->readLine().trimmed() != ready)
            return nullptr;
        return worker;
    }

    static bool settles(FindKeeper& keeper)
    {
        QSignalSpy settled(&keeper, &FindKeeper::settled);
        return keeper.state() != FindKeeper::State::Preparing || settled.wait(30000);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        for (QProcess* worker : std::as_const(m_workers)) {
            worker->kill();
            worker->waitForFinished();
        }
        qDeleteAll(m_workers);
        m_workers.clear();
        Archive::setDefaultLockTimeout(Archive::lockTimeoutMs);
    }

    // The window asks and goes on: the archive is read on another thread, here
    // while another program keeps it, and the index comes once it is free.
    void theIndexIsMadeOnAThreadOfItsOwn()
    {
        store({ QStringLiteral("Ottavia Zanetti"), QStringLiteral("Bruno Zanetti") });
        QVERIFY(runWorker({ QStringLiteral("hold"), path(), QStringLiteral("1500") }, "locked"));
        FindKeeper keeper(findfields::registry());
        QSignalSpy settled(&keeper, &FindKeeper::settled);
        QElapsedTimer asked;
        asked.start();
        keeper.refresh(path());
        QVERIFY2(asked.elapsed() < 500, "the keeper waited for the archive");
        QCOMPARE(keeper.state(), FindKeeper::State::Preparing);
        QVERIFY(!keeper.index());
        QVERIFY(settled.wait(30000));
        QVERIFY(asked.elapsed() >= 1000);
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(keeper.index()->cardCount(), 2);
        QCOMPARE(found(keeper, QStringLiteral("zanetti")), (QList<int> { 2, 1 }));
    }

    void noArchiveHasNoCardsAndIsNotMade()
    {
        FindKeeper keeper(findfields::registry());
        keeper.refresh(path());
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(keeper.index()->cardCount(), 0);
        QVERIFY(!QFileInfo::exists(path()));
    }

    void anUnchangedArchiveIsNotReadAgain()
    {
        store({ QStringLiteral("Ottavia Zanetti") });
        FindKeeper keeper(findfields::registry());
        keeper.refresh(path());
        QVERIFY(settles(keeper));
        const FindIndex* index = keeper.index();
        QVERIFY(index);
        keeper.refresh(path());
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(keeper.index(), index);
    }

    // Saved over from another program (the same size, a later time), or
    // grown by it: the next look at the archive makes the index again.
    void anArchiveChangedByAnotherProgramIsReadAgain_data()
    {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<int>("cards");
        QTest::newRow("card saved over") << QStringList { QStringLiteral("write"), QStringLiteral("2"),
            QStringLiteral("Ottavia Zanetti") }
                                         << QStringLiteral("ottavia") << QList<int> { 1, 2 } << 3;
        QTest::newRow("cards appended") << QStringList { QStringLiteral("append"), QStringLiteral("1"),
            QStringLiteral("2") } << QStringLiteral("w1")
                                        << QList<int> { 4, 5 } << 5;
    }
    void anArchiveChangedByAnotherProgramIsReadAgain()
    {
        QFETCH(QStringList, change);
        QFETCH(QString, typed);
        QFETCH(QList<int>, positions);
        QFETCH(int, cards);
        store({ QStringLiteral("Ottavia Rossi"), QStringLiteral("Bruno Neri"), QStringLiteral("Carla Verdi") });
        FindKeeper keeper(findfields::registry());
        keeper.refresh(path());
        QVERIFY(settles(keeper));
        const QList<int> before = found(keeper, typed);

        change.insert(1, path());
        QVERIFY(runWorker(change));
        keeper.refresh(path());
        QCOMPARE(keeper.state(), FindKeeper::State::Preparing);
        QVERIFY(settles(keeper));
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(keeper.index()->cardCount(), cards);
        QVERIFY(before != positions);
        QCOMPARE(found(keeper, typed), positions);
    }

    void anotherArchiveIsReadWhenTheEditorTurnsToIt()
    {
        store({ QStringLiteral("Ottavia Rossi") });
        const QString other = m_dir->filePath(QStringLiteral("Altro.pro"));
        Archive(other, layouts::registry).append(person(QStringLiteral("Bruno Neri")));
        FindKeeper keeper(findfields::registry());
        keeper.refresh(path());
        QVERIFY(settles(keeper));
        QCOMPARE(found(keeper, QStringLiteral("bruno")), QList<int> {});
        keeper.refresh(other);
        QVERIFY(settles(keeper));
        QCOMPARE(found(keeper, QStringLiteral("bruno")), QList<int> { 1 });
    }

    // The editor turns to another archive while the index of the first is
    // still being made: the other's follows it.
    void anArchiveAskedForMeanwhileIsReadNext()
    {
        store({ QStringLiteral("Ottavia Rossi") });
        const QString other = m_dir->filePath(QStringLiteral("Altro.pro"));
        Archive(other, layouts::registry).append(person(QStringLiteral("Bruno Neri")));
        QVERIFY(runWorker({ QStringLiteral("hold"), path(), QStringLiteral("800") }, "locked"));
        FindKeeper keeper(findfields::registry());
        QSignalSpy settled(&keeper, &FindKeeper::settled);
        keeper.refresh(path());
        keeper.refresh(other);
        QCOMPARE(keeper.state(), FindKeeper::State::Preparing);
        QVERIFY(settled.wait(30000));
        if (keeper.state() == FindKeeper::State::Preparing)
            QVERIFY(settled.wait(30000));
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(found(keeper, QStringLiteral("bruno")), QList<int> { 1 });
        QCOMPARE(found(keeper, QStringLiteral("ottavia")), QList<int> {});
    }

    // An archive that cannot be read is told with its cause, and read again
    // at the next look, once it can be.
    void anArchiveThatCannotBeReadIsToldAndTriedAgain_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder in the way") << QStringLiteral("folder") << test::causewords::folderInTheWay();
        QTest::newRow("kept by another computer") << QStringLiteral("held") << test::causewords::lockedElsewhere();
    }
    void anArchiveThatCannotBeReadIsToldAndTriedAgain()
    {
        QFETCH(QString, failure);
        QFETCH(QString, cause);
        QProcess* holder = nullptr;
        if (failure == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path()));
        } else {
            store({ QStringLiteral("Ottavia Rossi") });
            Archive::setDefaultLockTimeout(300);
            holder = runWorker({ QStringLiteral("hold"), path(), QStringLiteral("1500") }, "locked");
            QVERIFY(holder);
        }
        FindKeeper keeper(findfields::registry());
        keeper.refresh(path());
        QVERIFY(settles(keeper));
        QCOMPARE(keeper.state(), FindKeeper::State::Failed);
        QVERIFY(!keeper.index());
        QCOMPARE(keeper.failure().words(), cause);

        if (holder) {
            QVERIFY(holder->waitForFinished(10000));
        } else {
            QVERIFY(QDir().rmdir(path()));
            store({ QStringLiteral("Ottavia Rossi") });
        }
        keeper.refresh(path());
        QVERIFY(settles(keeper));
        QCOMPARE(keeper.state(), FindKeeper::State::Ready);
        QCOMPARE(found(keeper, QStringLiteral("ottavia")), QList<int> { 1 });
    }

    // An editor closed while its index is being made: the index is dropped.
    void aKeeperGoneBeforeItsIndexIsMadeIsNotTold()
    {
        store({ QStringLiteral("Ottavia Rossi") });
        QProcess* holder = runWorker({ QStringLiteral("hold"), path(), QStringLiteral("500") }, "locked");
        QVERIFY(holder);
        auto keeper = std::make_unique<FindKeeper>(findfields::registry());
        keeper->refresh(path());
        QCOMPARE(keeper->state(), FindKeeper::State::Preparing);
        keeper.reset();
        QVERIFY(holder->waitForFinished(10000));
        // The index is made meanwhile and handed to no one.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TestFindKeeper)
#include "tst_findkeeper.moc"
