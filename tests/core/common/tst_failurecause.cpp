// What the user is told of a failure: the system's answer in one Italian
// sentence, on a paragraph of its own under the message of what failed.
#include "common/FailureCause.h"
#include "support/CauseWords.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace lumidex;
using namespace lumidex::test;

class TestFailureCause : public QObject {
    Q_OBJECT

private slots:
    void systemAnswersInTheUsersWords_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("words");
        QTest::newRow("ENOSPC") << ENOSPC << causewords::noRoom();
        QTest::newRow("EDQUOT") << EDQUOT << causewords::noRoom();
        QTest::newRow("EACCES") << EACCES << causewords::accessDenied();
        QTest::newRow("EPERM") << EPERM << causewords::accessDenied();
        QTest::newRow("EROFS") << EROFS << causewords::accessDenied();
        QTest::newRow("EIO") << EIO << causewords::diskError();
        QTest::newRow("ENOENT") << ENOENT << causewords::notFound();
        QTest::newRow("EFBIG") << EFBIG << causewords::fileTooLarge();
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << causewords::nameTooLong();
        QTest::newRow("EISDIR") << EISDIR << causewords::folderInTheWay();
        QTest::newRow("ENOTDIR") << ENOTDIR << causewords::folderInTheWay();
        QTest::newRow("EEXIST, a folder made where a file stands") << EEXIST << causewords::folderInTheWay();
        QTest::newRow("ESTALE, a share gone away") << ESTALE << QStringLiteral("La cartella di rete non risponde.");
        QTest::newRow("any other") << EXDEV << QStringLiteral("Errore del sistema (codice %1).").arg(EXDEV);
    }
    void systemAnswersInTheUsersWords()
    {
        QFETCH(int, error);
        QFETCH(QString, words);
        const FailureCause cause = FailureCause::fromSystem(error, QStringLiteral("detail"));
        QVERIFY(cause.isKnown());
        QCOMPARE(cause.systemError(), error);
        QCOMPARE(cause.words(), words);
        QCOMPARE(cause.detail(), QStringLiteral("detail"));
        QCOMPARE(withCause(QStringLiteral("Attenzione: non salvato."), cause),
            QStringLiteral("Attenzione: non salvato.\r\n\r\n") + words);
    }

    void causesOfTheProgramsOwn()
    {
        QCOMPARE(FailureCause::lockedElsewhere().words(), causewords::lockedElsewhere());
        QVERIFY(FailureCause::lockedElsewhere().isLockedElsewhere());
        QCOMPARE(FailureCause::described(QStringLiteral("Una ragione.")).words(), QStringLiteral("Una ragione."));
        // Nothing known leaves the message as it is.
        const FailureCause unknown = FailureCause::fromSystem(0, QStringLiteral("no errno"));
        QVERIFY(!unknown.isKnown());
        QCOMPARE(withCause(QStringLiteral("Messaggio."), unknown), QStringLiteral("Messaggio."));
        QCOMPARE(withCause(QStringLiteral("Messaggio."), FailureCause()), QStringLiteral("Messaggio."));
    }

    // Qt tells some failures in words only (a folder where a file should be, a
    // missing file), without an errno: the cause is found from the path.
    void aFileFailureWithoutErrnoIsFoundFromThePath()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
        writeBytes(dir.filePath(QStringLiteral("file")), "x");
        QCOMPARE(fileFailure(dir.filePath(QStringLiteral("cartella")), 0, {}).words(), causewords::folderInTheWay());
        QCOMPARE(fileFailure(dir.filePath(QStringLiteral("manca")), 0, {}).words(), causewords::notFound());
        QVERIFY(!fileFailure(dir.filePath(QStringLiteral("file")), 0, {}).isKnown());
        // An errno the system gave is kept as it is.
        QCOMPARE(fileFailure(dir.filePath(QStringLiteral("cartella")), EACCES, {}).words(), causewords::accessDenied());
    }
};

QTEST_GUILESS_MAIN(TestFailureCause)
#include "tst_failurecause.moc"
