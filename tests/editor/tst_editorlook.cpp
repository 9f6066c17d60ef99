// How the card editors look to the user: their highlight stays on their own
// fields, status texts read exactly as written and tooltips name the shortcuts.
#include "books/TfrmBookDonne.h"
#include "registry/TfrmAnagrafica.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestEditorLook : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeModalLeftovers(); }

    void theHighlightStaysOnTheCardsOwnFields()
    {
        // The editor's yellow focus colour belongs to its card fields only: the
        // check windows and the standard dialogs it opens keep their own look.
        QTemporaryDir dir;
        ScriptedInteraction user;
        TfrmAnagrafica editor(dir.path());
        editor.show();
        editor.txtNome->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        const auto centre = [](QWidget* w) { return w->grab().toImage().pixelColor(w->width() / 2, w->height() / 2); };
        QCOMPARE(centre(editor.txtNome), QColor(0xFF, 0xFF, 0x00));

        QDialog opened(&editor);
        auto* field = new QLineEdit(&opened);
        opened.show();
        field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&opened));
        QVERIFY(centre(field) != QColor(0xFF, 0xFF, 0x00));
        QVERIFY(centre(field) != QColor(0xF0, 0xF8, 0xFF));
    }

    void statusTextsAreExactAndTooltipsNameTheKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("save") << "cmdSalva"
                              << "Salva la scheda in archivio."
                              << "Salva la scheda in archivio. (Ctrl+S)";
        QTest::newRow("first") << "cmdPrimo"
                               << "Visualizza la prima scheda in archivio."
                               << "Visualizza la prima scheda in archivio. (Alt+Home)";
        QTest::newRow("help") << "cmdGuida"
                              << "Visualizza la pagina della guida sensibile al contesto."
                              << "Visualizza la pagina della guida sensibile al contesto. (F1)";
        QTest::newRow("no shortcut") << "cmdEsci"
                                     << "Esci da questa schermata di lavoro."
                                     << "Esci da questa schermata di lavoro.";
    }
    void statusTextsAreExactAndTooltipsNameTheKeys()
    {
        QFETCH(QString, button);
        QFETCH(QString, status);
        QFETCH(QString, tooltip);
        QTemporaryDir dir;
        TfrmBookDonne editor(dir.path());
        auto* picture = named<QToolButton>(&editor, button);
        QCOMPARE(picture->statusTip(), status);
        QCOMPARE(picture->toolTip(), tooltip);
    }
};

QTEST_MAIN(TestEditorLook)
#include "tst_editorlook.moc"
