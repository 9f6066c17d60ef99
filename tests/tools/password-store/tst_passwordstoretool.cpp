#include "password/PasswordStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;

namespace {

// Runs the tool as the build does and returns its exit code (-1 if it did not finish).
int runTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(LUMIDEX_PASSWORD_STORE_TOOL), arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

} // namespace

class TestPasswordStoreTool : public QObject {
    Q_OBJECT

private slots:
    void createsStoreWithInitialPassword();
    void keepsExistingStore_data();
    void keepsExistingStore();
    void needsTheProgramFolder();
};

void TestPasswordStoreTool::createsStoreWithInitialPassword()
{
    QTemporaryDir dir;
    const QString programDir = QDir(dir.path()).filePath(QStringLiteral("Lumidex"));
    QCOMPARE(runTool({ programDir }), 0);

    const PasswordStore store(programDir);
    QCOMPARE(store.readValue(), std::optional<QString>(QStringLiteral("50872CC2277E8CF643D000DC3DF8")));
    QCOMPARE(store.readPassword(), std::optional<QString>(QStringLiteral("LUCERNAVIOLATA")));
}

void TestPasswordStoreTool::keepsExistingStore_data()
{
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("changed password") << QByteArray("[Accesso]\r\nValore=5DAD\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("damaged value") << QByteArray("[Accesso]\nValore=ZZ\n");
}

void TestPasswordStoreTool::keepsExistingStore()
{
    QFETCH(QByteArray, contents);

    QTemporaryDir dir;
    const QString path = PasswordStore(dir.path()).filePath();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QCOMPARE(runTool({ dir.path() }), 0);
    QCOMPARE(test::readBytes(path), contents);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("unins000.dll") });
}

void TestPasswordStoreTool::needsTheProgramFolder()
{
    QVERIFY(runTool({}) > 0);
}

QTEST_GUILESS_MAIN(TestPasswordStoreTool)
#include "tst_passwordstoretool.moc"
