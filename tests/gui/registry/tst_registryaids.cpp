#include "gui/checks/CheckWindow.h"
#include "gui/registry/FieldTyping.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "storage/Layouts.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestRecords.h"
#include "ui/PasteRoute.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

QStringList storedCard()
{
    QStringList values = blankRecord(layouts::registry);
    values[0] = QStringLiteral("Anna Rossi");
    values[1] = QStringLiteral("f");
    values[3] = QStringLiteral("Italiana");
    values[6] = QStringLiteral("rssnna80a41h501x");
    values[8] = QStringLiteral("Anna.Rossi@Example.it");
    values[13] = QStringLiteral("1234567890a");
    values[14] = QStringLiteral("it60 x054 2811 1010");
    return values;
}

} // namespace

// What only the registry card has: what its fields let the user type or paste,
// and the aids beside them (the identity checks and the mail button). What it shares with
// the book entry editors is tested in tst_cardeditor.
class TestRegistryAids : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> f;

    TfrmAnagrafica* editor() const { return static_cast<TfrmAnagrafica*>(f->editor()); }
    ScriptedInteraction& user() const { return f->user(); }
    QLineEdit* edit(const QString& name) const { return f->edit(name); }
    QToolButton* button(const QString& name) const { return named<QToolButton>(editor(), name); }
    void click(QToolButton* b) const { f->click(b); }
    void focusOn(QLineEdit* field) const
    {
        editor()->activateWindow();
        field->setFocus(Qt::OtherFocusReason);
        QVERIFY(field->hasFocus());
    }

private slots:
    void init() { f = std::make_unique<EditorFixture>(ArchiveKind::Registry); }
    void cleanup() { f.reset(); }

    void aidButtonsAreInPlace()
    {
        for (const char* name : { "btnCodFisc", "btnEmail", "btnPartitaIva", "btnIban" }) {
            QToolButton* aid = button(QString::fromLatin1(name));
            QCOMPARE(aid->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!aid->statusTip().isEmpty(), name);
        }
    }

    void anySingleCharacterIsAcceptedAsSex()
    {
        f->fillRequired();
        edit(QStringLiteral("txtSesso"))->setText(QStringLiteral("X"));
        click(named<QToolButton>(editor(), "cmdSalva"));
        QCOMPARE(f->lastMessage().kind, MessageKind::Information);
        QCOMPARE(f->stored(1).at(1), QStringLiteral("X"));
    }

    void typedTextIsPutInForm_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("iban in lower case") << "txtIban"
                                            << "it60x0542811101000000123456"
                                            << "IT60X0542811101000000123456";
        QTest::newRow("space inside the iban") << "txtIban"
                                               << "it60 x054"
                                               << "IT60X054";
        QTest::newRow("dash and space in the tax code") << "txtCodFisc"
                                                        << "rss-mra 80a.01"
                                                        << "RSSMRA80A01";
        QTest::newRow("letters in the vat number") << "txtPartitaIva"
                                                   << "12a3B4-5 6"
                                                   << "123456";
        QTest::newRow("sex in lower case") << "txtSesso"
                                           << "m"
                                           << "M";
        QTest::newRow("sex after a blank") << "txtSesso"
                                           << " f"
                                           << "F";
        QTest::newRow("e-mail between blanks") << "txtEmail"
                                               << "  Anna.Rossi@example.it "
                                               << "Anna.Rossi@example.it";
        QTest::newRow("other fields keep what is typed") << "txtNome"
                                                         << " anna - rossi "
                                                         << " anna - rossi ";
    }

    void typedTextIsPutInForm()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        focusOn(edit(field));
        QTest::keyClicks(edit(field), typed);
        QCOMPARE(edit(field)->text(), shown);
        QCOMPARE(edit(field)->cursorPosition(), int(shown.size()));
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
        QLineEdit* field = edit(fieldName);
        paste(field, pasted);
        QCOMPARE(field->text(), shown);
        // The context menu's "Incolla" goes through the same filter.
        field->clear();
        QString pickedText;
        user().onMenu([&pickedText](QMenu& menu) {
            QAction* incolla = pasteActionOf(menu);
            if (incolla)
                pickedText = incolla->text();
            return incolla;
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &rightClick);
        QCOMPARE(user().menusRun(), 1);
        QVERIFY2(pickedText.contains(QStringLiteral("Incolla")) || pickedText.contains(QStringLiteral("Paste")),
            qPrintable(pickedText));
        QCOMPARE(field->text(), shown);
    }

    void keysThatChangeNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("tax code, dash") << "txtCodFisc"
                                        << "RSS1" << int(Qt::Key_Minus) << "-";
        QTest::newRow("tax code, space") << "txtCodFisc"
                                         << "RSS1" << int(Qt::Key_Space) << " ";
        QTest::newRow("tax code, accented letter") << "txtCodFisc"
                                                   << "RSS1" << int(Qt::Key_Egrave) << "è";
        QTest::newRow("tax code, Tab") << "txtCodFisc"
                                       << "RSS1" << int(Qt::Key_Tab) << "\t";
        QTest::newRow("tax code, Home") << "txtCodFisc"
                                        << "RSS1" << int(Qt::Key_Home) << "";
        QTest::newRow("iban, slash") << "txtIban"
                                     << "IT60" << int(Qt::Key_Slash) << "/";
        QTest::newRow("iban, End") << "txtIban"
                                   << "IT60" << int(Qt::Key_End) << "";
        QTest::newRow("vat, letter") << "txtPartitaIva"
                                     << "1234" << int(Qt::Key_A) << "a";
        QTest::newRow("vat, space") << "txtPartitaIva"
                                    << "1234" << int(Qt::Key_Space) << " ";
        QTest::newRow("vat, Tab") << "txtPartitaIva"
                                  << "1234" << int(Qt::Key_Tab) << "\t";
    }

    void keysThatChangeNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, text);
        QLineEdit* target = edit(field);
        focusOn(target);
        QTest::keyClicks(target, start);
        QTest::keyClick(target, Qt::Key_Left);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(target->text(), start);
        QCOMPARE(target->cursorPosition(), int(start.size()) - 1);
        QVERIFY(target->hasFocus());
    }

    void editingKeysStillWorkInCodeFields()
    {
        QLineEdit* iban = edit(QStringLiteral("txtIban"));
        focusOn(iban);
        QTest::keyClicks(iban, QStringLiteral("abcd"));
        QTest::keyClick(iban, Qt::Key_Left);
        QTest::keyClick(iban, Qt::Key_Left);
        QTest::keyClick(iban, Qt::Key_Backspace);
        QTest::keyClicks(iban, QStringLiteral("x"));
        // The rewriting keeps the cursor behind the character just typed.
        QCOMPARE(iban->text(), QStringLiteral("AXCD"));
        QCOMPARE(iban->cursorPosition(), 2);
        QTest::keyClick(iban, Qt::Key_Delete);
        QTest::keyClick(iban, Qt::Key_Right);
        QTest::keyClicks(iban, QStringLiteral("9"));
        QCOMPARE(iban->text(), QStringLiteral("AXD9"));

        QLineEdit* vat = edit(QStringLiteral("txtPartitaIva"));
        focusOn(vat);
        QTest::keyClicks(vat, QStringLiteral("123"));
        QTest::keyClick(vat, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(vat, QStringLiteral("7"));
        QCOMPARE(vat->text(), QStringLiteral("7"));
    }

    void enterInAnyFieldMovesOn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::newRow("tax code") << "txtCodFisc"
                                  << "txtEstremi";
        QTest::newRow("vat number") << "txtPartitaIva"
                                    << "txtIban";
        QTest::newRow("iban") << "txtIban"
                              << "txtAltezza";
        QTest::newRow("sex") << "txtSesso"
                             << "txtDataNasc";
        QTest::newRow("e-mail") << "txtEmail"
                                << "txtTel";
    }

    void enterInAnyFieldMovesOn()
    {
        QFETCH(QString, field);
        QFETCH(QString, next);
        focusOn(edit(field));
        QTest::keyClicks(edit(field), QStringLiteral("1"));
        QTest::keyClick(edit(field), Qt::Key_Return);
        QVERIFY(edit(next)->hasFocus());
        QCOMPARE(edit(field)->text(), QStringLiteral("1"));
        QTest::keyClick(edit(next), Qt::Key_Enter);
        QVERIFY(!edit(next)->hasFocus());
    }

    void storedTextsAreShownAsStored()
    {
        f->append(storedCard());
        const QStringList stored = storedCard();
        const auto shownAsStored = [&] {
            for (int i : { 0, 1, 6, 8, 13, 14 }) {
                QCOMPARE(editor()->field(i)->text(), stored.at(i));
                // Read from the start, however long the text.
                QCOMPARE(editor()->field(i)->cursorPosition(), 0);
            }
        };
        click(named<QToolButton>(editor(), "cmdPrimo"));
        shownAsStored();
        click(named<QToolButton>(editor(), "cmdNuovo"));
        click(named<QToolButton>(editor(), "cmdAvanti"));
        shownAsStored();
        // The search window puts its card on screen the same way.
        QVERIFY(editor()->showStoredCard({ 1, stored }));
        shownAsStored();

        // Once the user types in the field, the whole text is put in form.
        QLineEdit* codFisc = edit(QStringLiteral("txtCodFisc"));
        focusOn(codFisc);
        codFisc->end(false);
        QTest::keyClick(codFisc, Qt::Key_Backspace);
        QCOMPARE(codFisc->text(), QStringLiteral("RSSNNA80A41H501"));
    }

    void taxCodeButtonRoutesByContent_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("handed");
        const QString vat = QStringLiteral("lumidex::TfrmPartitaIva");
        const QString taxCode = QStringLiteral("lumidex::TfrmCodFisc");
        QTest::newRow("eleven digits") << "12345678903" << vat << "txtPartitaIva"
                                       << "12345678903";
        QTest::newRow("digits between blanks") << "  02345678901 " << vat << "txtPartitaIva"
                                               << "02345678901";
        QTest::newRow("sixteen characters") << "RSSMRA80A01H501U" << taxCode << "txtCodFisc"
                                            << "RSSMRA80A01H501U";
        QTest::newRow("digits and a letter") << "1234567890X" << taxCode << "txtCodFisc"
                                             << "1234567890X";
        QTest::newRow("empty") << "" << taxCode << "txtCodFisc"
                               << "";
        QTest::newRow("blanks only") << "   " << taxCode << "txtCodFisc"
                                     << "";
    }

    void taxCodeButtonRoutesByContent()
    {
        QFETCH(QString, content);
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, handed);
        edit(QStringLiteral("txtCodFisc"))->setText(content);
        QString seen;
        QWidget* owner = nullptr;
        user().onDialog([&](QDialog& dialog) {
            seen = named<QLineEdit>(&dialog, field)->text();
            owner = dialog.parentWidget();
            // Whatever happens in the check window stays there.
            named<QLineEdit>(&dialog, field)->setText(QStringLiteral("ZZZ"));
            named<QPushButton>(&dialog, QStringLiteral("btnChiudi"))->click();
        });
        click(named<QToolButton>(editor(), "btnCodFisc"));
        QCOMPARE(user().dialogClasses(), QStringList { window });
        QCOMPARE(seen, handed);
        QCOMPARE(owner, editor());
        QCOMPARE(edit(QStringLiteral("txtCodFisc"))->text(), content);
        QVERIFY(editor()->findChildren<CheckWindow*>().isEmpty());
    }

    void checkButtonsHandTheTrimmedField_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("handed");
        QTest::newRow("vat number") << "btnPartitaIva"
                                    << "txtPartitaIva"
                                    << "lumidex::TfrmPartitaIva"
                                    << " 123456789 "
                                    << "123456789";
        QTest::newRow("vat number, empty") << "btnPartitaIva"
                                           << "txtPartitaIva"
                                           << "lumidex::TfrmPartitaIva"
                                           << ""
                                           << "";
        QTest::newRow("iban") << "btnIban"
                              << "txtIban"
                              << "lumidex::TfrmIban"
                              << " IT60X05428111010000001234 "
                              << "IT60X05428111010000001234";
        QTest::newRow("iban as stored") << "btnIban"
                                        << "txtIban"
                                        << "lumidex::TfrmIban"
                                        << "it60 x054"
                                        << "it60 x054";
    }

    void checkButtonsHandTheTrimmedField()
    {
        QFETCH(QString, buttonName);
        QFETCH(QString, fieldName);
        QFETCH(QString, window);
        QFETCH(QString, content);
        QFETCH(QString, handed);
        edit(fieldName)->setText(content);
        QString seen;
        user().onDialog([&](QDialog& dialog) { seen = named<QLineEdit>(&dialog, fieldName)->text(); });
        click(button(buttonName));
        click(button(buttonName));
        QCOMPARE(user().dialogClasses(), QStringList({ window, window }));
        QCOMPARE(seen, handed);
        QCOMPARE(edit(fieldName)->text(), content);
    }

    void emailButtonOpensTheMailProgram_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("recipient");
        QTest::newRow("address") << " anna.rossi@example.it "
                                 << "mailto:anna.rossi@example.it"
                                 << "anna.rossi@example.it";
        QTest::newRow("no address") << ""
                                    << "mailto:"
                                    << "";
        // Whatever is typed is the address, never a subject or a part of a page.
        QTest::newRow("question mark and hash") << "anna?subject=x#y@example.it"
                                                << "mailto:anna%3Fsubject=x%23y@example.it"
                                                << "anna?subject=x#y@example.it";
    }

    void emailButtonOpensTheMailProgram()
    {
        QFETCH(QString, address);
        QFETCH(QString, link);
        QFETCH(QString, recipient);
        edit(QStringLiteral("txtEmail"))->setText(address);
        click(named<QToolButton>(editor(), "btnEmail"));
        QCOMPARE(user().openedUrls().size(), 1);
        const QUrl opened = user().openedUrls().constFirst();
        QCOMPARE(opened.toString(QUrl::FullyEncoded), link);
        QCOMPARE(opened.path(QUrl::FullyDecoded), recipient);
        QVERIFY(!opened.hasQuery());
        QVERIFY(!opened.hasFragment());
        QVERIFY(user().messages().isEmpty());
        QCOMPARE(user().dialogsRun(), 0);
    }

    // The mail program could not be started: the user hears it, and the card
    // stays as it was.
    void emailButtonSaysWhenNoMailProgramOpens()
    {
        edit(QStringLiteral("txtEmail"))->setText(QStringLiteral("anna.rossi@example.it"));
        user().refuseOpens();
        click(named<QToolButton>(editor(), "btnEmail"));
        QCOMPARE(user().openedUrls().size(), 1);
        QCOMPARE(user().messages(),
            onlyMessage(MessageKind::Warning,
                QString::fromUtf8("Attenzione: non è stato possibile aprire un nuovo messaggio di posta "
                                  "elettronica.\r\n\r\nVerificare che nel sistema sia configurato un programma "
                                  "di posta."),
                Buttons::Ok));
        QCOMPARE(edit(QStringLiteral("txtEmail"))->text(), QStringLiteral("anna.rossi@example.it"));
    }
};

QTEST_MAIN(TestRegistryAids)
#include "tst_registryaids.moc"
