// What a card field shows is what its card stores: characters the archive
// cannot hold are refused when typed and shown as "?" at once when pasted, and
// the code fields keep from pasted text only what their key filter lets through.
#include "books/TfrmBookUomini.h"
#include "editor/FieldValidator.h"
#include "registry/FieldTyping.h"
#include "registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestFieldInput : public QObject {
    Q_OBJECT

private:
    static void paste(QLineEdit* field, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void cleanup() { closeModalLeftovers(); }

    void validatorPutsTextInStoredForm_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("cursor");
        QTest::newRow("Windows-1252 kept")
            << QString::fromUtf8("Città € “ok” Œ") << 3 << QString::fromUtf8("Città € “ok” Œ") << 3;
        QTest::newRow("Chinese name") << QString::fromUtf8("Li 李") << 4 << "Li ?" << 4;
        QTest::newRow("emoji is one character") << QString::fromUtf8("a😀b") << 3 << "a?b" << 2;
        QTest::newRow("Cyrillic") << QString::fromUtf8("Иван") << 4 << "????" << 4;
    }
    void validatorPutsTextInStoredForm()
    {
        QFETCH(QString, input);
        QFETCH(int, pos);
        QFETCH(QString, output);
        QFETCH(int, cursor);
        FieldValidator validator;
        QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
        QCOMPARE(input, output);
        QCOMPARE(pos, cursor);
    }

    void typedCharactersTheCardCannotHoldAreRefused()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        TfrmBookUomini editor(dir.path());
        editor.show();
        QLineEdit* field = named<QLineEdit>(&editor, QStringLiteral("txtTitolo"));
        QTest::keyClicks(field, QStringLiteral("Ritratto "));
        for (const QString& typed : { QString::fromUtf8("李"), QString::fromUtf8("😀"), QString::fromUtf8("è") }) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
            QApplication::sendEvent(field, &key);
        }
        QCOMPARE(field->text(), QString::fromUtf8("Ritratto è"));
    }

    void pastedTextShowsWhatIsStored()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        TfrmAnagrafica editor(dir.path());
        editor.show();
        paste(editor.txtNome, QString::fromUtf8("Wang 李 😀"));
        QCOMPARE(editor.txtNome->text(), QStringLiteral("Wang ? ?"));
        editor.txtSesso->setText(QStringLiteral("M"));
        editor.txtCittadinanza->setText(QStringLiteral("Cinese"));
        QTest::mouseClick(editor.cmdSalva, Qt::LeftButton);
        const Archive archive(programfolder::registryArchivePath(dir.path()), layouts::registry);
        QCOMPARE(archive.read(1).first(), QStringLiteral("Wang ? ?"));
    }

    void pastedCodesKeepWhatTheKeyFilterLetsThrough_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tax code") << "txtCodFisc"
                                  << " rss mra-80.a01 h501u "
                                  << "RSSMRA80A01H501U";
        QTest::newRow("VAT number") << "txtPartitaIva"
                                    << "IT 012-345 678 90"
                                    << "01234567890";
        QTest::newRow("IBAN") << "txtIban"
                              << "IT60 x054 2811 1010 0000 0123 456"
                              << "IT60X0542811101000000123456";
        QTest::newRow("accents and symbols") << "txtCodFisc" << QString::fromUtf8("àb€1") << "B1";
    }
    void pastedCodesKeepWhatTheKeyFilterLetsThrough()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        ScriptedInteraction user;
        TfrmAnagrafica editor(dir.path());
        editor.show();
        QLineEdit* field = named<QLineEdit>(&editor, fieldName);
        paste(field, pasted);
        QCOMPARE(field->text(), shown);
        // The context menu's "Incolla" is the one the filter takes over.
        std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QAction* incolla = pasteActionOf(*menu);
        QVERIFY(incolla);
        QVERIFY(
            incolla->text().contains(QStringLiteral("Incolla")) || incolla->text().contains(QStringLiteral("Paste")));
    }
};

QTEST_MAIN(TestFieldInput)
#include "tst_fieldinput.moc"
