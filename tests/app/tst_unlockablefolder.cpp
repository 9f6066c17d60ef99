// The program in a folder whose file system cannot lock (NoLockShim preloaded,
// answering every lock request with ENOLCK): the user can work all the same and
// is told once, after the first operation that found it, not as a failure.
#include "app/WindowSet.h"
#include "gui/editor/CardEditor.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "support/EditorFixture.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QFileInfo>
#include <QToolButton>
#include <QtTest>
#include <dlfcn.h>

using namespace lumidex;
using namespace lumidex::test;

class TestUnlockableFolder : public ScriptedTestCase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!dlsym(RTLD_DEFAULT, "lumidex_no_lock_shim_loaded"))
            QSKIP("NoLockShim is not preloaded (LD_PRELOAD), so the folder can lock; run this test through CTest");
        qputenv("LUMIDEX_LOCK_ANSWER", "ENOLCK");
    }

    void theUserIsToldOnceAndTheCardsAreSaved()
    {
        WindowSet windows(dir->path());
        TfrmAnagrafica* editor = windows.frmAnagrafica();
        editor->show();
        const ScriptedInteraction::Message saved { MessageKind::Information,
            QStringLiteral("La scheda corrente è stata inserita in archivio."), Buttons::OkCancel };
        const ScriptedInteraction::Message notice { MessageKind::Warning,
            QStringLiteral("Attenzione: la cartella del programma non consente di bloccare gli archivi.\r\n\r\n"
                           "Se più computer usano la stessa cartella, evitare di salvare schede da due "
                           "computer nello stesso momento."),
            Buttons::Ok };

        fillRequiredFields(editor, ArchiveKind::Registry);
        QTest::mouseClick(named<QToolButton>(editor, "cmdSalva"), Qt::LeftButton);
        QTRY_COMPARE(user->messages(), QList({ saved, notice }));

        // A second card, a move and a search later: not a word more.
        QTest::mouseClick(named<QToolButton>(editor, "cmdNuovo"), Qt::LeftButton);
        fillRequiredFields(editor, ArchiveKind::Registry);
        QTest::mouseClick(named<QToolButton>(editor, "cmdSalva"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(editor, "cmdPrimo"), Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(user->messages(), QList({ saved, notice, saved }));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Archivio_Anagrafico.pro"))).size(), 2 * 3847);
    }
};

QTEST_MAIN(TestUnlockableFolder)
#include "tst_unlockablefolder.moc"
