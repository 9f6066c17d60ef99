#include "app/WindowSet.h"
#include "registry/TfrmAnagrafica.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestWindowSet : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeModalLeftovers(); }

    void startsOnTheRegistryEditorForItsFolder()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        WindowSet windows(dir.path());
        windows.start();
        QCOMPARE(windows.visibleScreen(), windows.frmAnagrafica());
        QCOMPARE(windows.frmAnagrafica()->archivePath(), dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")));
    }

    void leavingTheOnlyScreenEndsTheProgram()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        WindowSet windows(dir.path());
        windows.start();
        QSignalSpy ended(&windows, &WindowSet::terminated);
        QTest::mouseClick(windows.frmAnagrafica()->cmdEsci, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(windows.visibleScreen(), nullptr);
        QVERIFY(user.messages().isEmpty());
    }

    void reopeningTheEditorShowsAnEmptyCard()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        WindowSet windows(dir.path());
        windows.start();
        TfrmAnagrafica* editor = windows.frmAnagrafica();
        named<QLineEdit>(editor, QStringLiteral("txtNome"))->setText(QStringLiteral("Anna"));
        named<QLineEdit>(editor, QStringLiteral("txtSesso"))->setText(QStringLiteral("F"));
        named<QLineEdit>(editor, QStringLiteral("txtCittadinanza"))->setText(QStringLiteral("Italiana"));
        QTest::mouseClick(editor->cmdSalva, Qt::LeftButton);
        QCOMPARE(editor->lblPosizione->text(), QStringLiteral("1"));
        editor->close();
        windows.start();
        QCOMPARE(editor->lblPosizione->text(), QString());
        QCOMPARE(named<QLineEdit>(editor, QStringLiteral("txtNome"))->text(), QString());
    }
};

QTEST_MAIN(TestWindowSet)
#include "tst_windowset.moc"
