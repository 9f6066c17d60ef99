#include "common/FitToFrame.h"
#include "gui/attachments/TfrmAllegaCartella.h"
#include "gui/books/BookEditor.h"
#include "gui/editor/CardEditor.h"
#include "gui/search/SearchWindow.h"
#include "gui/shell/TfrmGuida.h"
#include "gui/zoom/TfrmZoom.h"
#include "help/HelpPages.h"
#include "storage/Archive.h"
#include "storage/RecordLayout.h"
#include "support/CauseWords.h"
#include "support/DiskFaults.h"
#include "support/EditorFixture.h"
#include "support/HelpTexts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QDialog>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextBoundaryFinder>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <fcntl.h>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString cardInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString changesSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString emptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString photoNotSaved
    = QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare la "
                     "foto.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                     "del programma.");
const QString photoNotCopied = QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato.");
const QString saveChangesQuestion = QStringLiteral("La scheda è stata modificata.\r\n\r\nSalvare le modifiche?");
const QSize photoFrame(307, 409);
const QString duplicateReady
    = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                     "Al termine premere Salva per inserire la scheda in archivio.");
const QString duplicateRefused = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");

// The edit fields of `values`, and the attachments left empty.
QStringList withoutAttachments(const QStringList& values, int editFields)
{
    QStringList copy = values;
    for (int i = editFields; i < copy.size(); ++i)
        copy[i].clear();
    return copy;
}

// Types `text` into `field` a key per character as the user sees it, as a
// keyboard layout or a compose key delivers it.
void typeKeys(QLineEdit* field, const QString& text)
{
    QTextBoundaryFinder keys(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = 0, next = keys.toNextBoundary(); next > 0; at = next, next = keys.toNextBoundary()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(at, next - at));
        QApplication::sendEvent(field, &key);
    }
}

// Every way the card on screen gives way to another, or the editor closes: by
// its button, and the moves and New by their keys too.
const QStringList leavingActions { QStringLiteral("next"), QStringLiteral("previous"), QStringLiteral("first"),
    QStringLiteral("last"), QStringLiteral("next by Page Down"), QStringLiteral("new"), QStringLiteral("new by Ctrl+N"),
    QStringLiteral("duplicate"), QStringLiteral("search"), QStringLiteral("find field"), QStringLiteral("exit"),
    QStringLiteral("window closed") };

// The same without the keys, which press the very buttons.
QStringList buttonActions()
{
    QStringList actions = leavingActions;
    actions.removeIf([](const QString& action) { return action.contains(QLatin1String(" by ")); });
    return actions;
}

// The user picks the card of `position` in the search window, by its line.
void pickInSearch(const EditorFixture& f, int position)
{
    const QString first = f.record(position).at(0);
    f.user().onDialog([first](QDialog& dialog) {
        auto* search = qobject_cast<SearchWindow*>(&dialog);
        QVERIFY(search);
        QTest::mouseClick(named<QPushButton>(search, "btnCerca"), Qt::LeftButton);
        const QStringList lines = search->listedLines();
        int row = 0;
        while (row < lines.size() && !lines.at(row).startsWith(first))
            ++row;
        QVERIFY2(row < lines.size(), qPrintable(first));
        named<QListView>(search, "lstRecords")
            ->setCurrentIndex(named<QListView>(search, "lstRecords")->model()->index(row, 0));
        search->lstRecordsDblClick();
    });
}

// The user comes to the find field with Ctrl+K from `typing`, types the name
// of the card of `position` and opens the one card listed with Enter.
void pickInFindField(const EditorFixture& f, QWidget* typing, int position)
{
    auto* field = f.editor()->findChild<QLineEdit*>(QStringLiteral("txtTrovaAlVolo"));
    QTest::keyClick(typing, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, f.record(position).at(0));
    QTRY_COMPARE(f.editor()->findChild<QLabel*>(QStringLiteral("lblTrovaAlVolo"))->text(), QStringLiteral("1 scheda"));
    QTest::keyClick(field, Qt::Key_Return);
}

// Does `action` of leavingActions in the editor of `f`; the search and the
// find field pick the card of `found`.
void leaveCardBy(const EditorFixture& f, const QString& action, int found = 3)
{
    CardEditor* editor = f.editor();
    // Keys go where the user's typing goes.
    QWidget* typing = editor->focusWidget() ? editor->focusWidget() : editor;
    if (action == QLatin1String("next"))
        f.click(named<QToolButton>(editor, "cmdAvanti"));
    else if (action == QLatin1String("previous"))
        f.click(named<QToolButton>(editor, "cmdIndietro"));
    else if (action == QLatin1String("first"))
        f.click(named<QToolButton>(editor, "cmdPrimo"));
    else if (action == QLatin1String("last"))
        f.click(named<QToolButton>(editor, "cmdUltimo"));
    else if (action == QLatin1String("next by Page Down"))
        QTest::keyClick(typing, Qt::Key_PageDown);
    else if (action == QLatin1String("new"))
        f.click(named<QToolButton>(editor, "cmdNuovo"));
    else if (action == QLatin1String("new by Ctrl+N")) {
        QSignalSpy pressed(named<QToolButton>(editor, "cmdNuovo"), &QAbstractButton::clicked);
        QTest::keyClick(typing, Qt::Key_N, Qt::ControlModifier);
        // A shortcut presses its button visibly, a moment later.
        QTRY_COMPARE(pressed.count(), 1);
    } else if (action == QLatin1String("duplicate"))
        f.click(named<QToolButton>(editor, "cmdDuplica"));
    else if (action == QLatin1String("search")) {
        pickInSearch(f, found);
        f.click(named<QToolButton>(editor, "cmdTrova"));
    } else if (action == QLatin1String("find field"))
        pickInFindField(f, typing, found);
    else if (action == QLatin1String("exit"))
        f.click(named<QAbstractButton>(editor, "cmdEsci"));
    else if (action == QLatin1String("window closed"))
        editor->windowHandle()->close();
    else
        QFAIL(qPrintable(action));
}

// Where `action` leads from the card the editor showed before it, `before`
// (stored card 2 of three, or a new card): the card shown afterwards, or the
// editor closed, and the messages of the action's own.
struct CardLanding {
    bool closed = false;
    QString position;
    QStringList values;
    QList<ScriptedInteraction::Message> own;
};
CardLanding landingAfter(const EditorFixture& f, const QString& action, const QStringList& before, bool fromStored)
{
    if (action == QLatin1String("exit") || action == QLatin1String("window closed"))
        return { true, fromStored ? QStringLiteral("2") : QString(), before, {} };
    if (action.startsWith(QLatin1String("new")))
        return { false, {}, blankRecord(f.layout()), {} };
    if (action == QLatin1String("duplicate")) {
        if (!fromStored)
            return { false, {}, before, onlyMessage(MessageKind::Warning, duplicateRefused, Buttons::OkCancel) };
        return { false, {}, withoutAttachments(before, f.editFieldCount()),
            onlyMessage(MessageKind::Information, duplicateReady, Buttons::OkCancel) };
    }
    // From card 2 of three, or from a new card, where Next lands on the first.
    int position = fromStored ? 3 : 1;
    if (action == QLatin1String("first") || action == QLatin1String("previous"))
        position = 1;
    else if (action == QLatin1String("last") || action == QLatin1String("search")
        || action == QLatin1String("find field"))
        position = 3;
    return { false, QString::number(position), f.record(position), {} };
}

// The question before a card with unsaved changes gives way.
QList<ScriptedInteraction::Message> question()
{
    return onlyMessage(MessageKind::Confirmation, saveChangesQuestion, Buttons::YesNoCancel);
}

// Types `text` at the end of `field`, a key at a time.
void typeAtEnd(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, text);
}

} // namespace

// What the registry card editor and the two book entry editors do alike, tested
// once with a row per editor: the card's fields, the moves, Save with its
// messages, Duplicate, New, the photo, the status line, the help, and the
// question before a card with unsaved work gives way.
class TestCardEditor : public QObject {
    Q_OBJECT

private slots:
    void eachKindIsItsOwnWindow_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::newRow("registry") << ArchiveKind::Registry << "frmAnagrafica"
                                  << "lumidex::TfrmAnagrafica"
                                  << " Lumidex - Archivio Anagrafico";
        QTest::newRow("men") << ArchiveKind::MenBook << "frmBookUomini"
                             << "lumidex::TfrmBookUomini"
                             << " Lumidex - Book fotografico uomini";
        QTest::newRow("women") << ArchiveKind::WomenBook << "frmBookDonne"
                               << "lumidex::TfrmBookDonne"
                               << " Lumidex - Book fotografico donne";
    }
    void eachKindIsItsOwnWindow()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, objectName);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        EditorFixture f(kind);
        QCOMPARE(f.editor()->objectName(), objectName);
        QCOMPARE(QString::fromLatin1(f.editor()->metaObject()->className()), className);
        QCOMPARE(f.editor()->windowTitle(), caption);
        QCOMPARE(named<QLabel>(f.editor(), QStringLiteral("panInfo"))->text(),
            QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // The placeholder is the kind's own portrait.
        const QImage placeholder = named<QLabel>(f.editor(), QStringLiteral("imgBianco"))->pixmap().toImage();
        QCOMPARE(placeholder.size(), photoFrame);
        for (ArchiveKind other : editorKinds()) {
            if (other == kind)
                continue;
            const auto otherEditor = makeEditor(other, f.programDir());
            QVERIFY2(named<QLabel>(otherEditor, "imgBianco")->pixmap().toImage() != placeholder, kindName(other));
        }
    }

    void fieldsHaveTheCapacityOfTheirRecordField_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<bool>("typed");
        for (ArchiveKind kind : editorKinds()) {
            const QStringList controls = fieldControls(kind);
            for (int i = 0; i < controls.size(); ++i) {
                // The date of a book entry is picked, never typed.
                const bool typed = kind == ArchiveKind::Registry || controls[i] != QLatin1String("txtData");
                QTest::addRow("%s %s", kindName(kind), qPrintable(controls[i]))
                    << kind << controls[i] << recordFields(kind).at(i).capacity << typed;
            }
        }
    }
    void fieldsHaveTheCapacityOfTheirRecordField()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, control);
        QFETCH(int, capacity);
        QFETCH(bool, typed);
        EditorFixture f(kind);
        QLineEdit* field = f.edit(control);
        QCOMPARE(field->maxLength(), capacity);
        QCOMPARE(field->isReadOnly(), !typed);
        if (typed) {
            field->setFocus();
            // Digits pass the key filters of every field.
            QTest::keyClicks(field, QString(capacity + 5, QLatin1Char('7')));
            QCOMPARE(field->text(), QString(capacity, QLatin1Char('7')));
        }
    }

    void toolbarAndPhotoControlsAreInPlace_data() { addKindRows(); }
    void toolbarAndPhotoControlsAreInPlace()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        for (const char* name : { "cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdFile", "cmdStampa",
                 "cmdAnteprima", "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdEsporta", "cmdSlideshow",
                 "cmdGuida", "cmdEsci", "btnCaricaFoto", "btnSalvaFoto", "btnCancFoto", "btnZoomFoto" }) {
            auto* button = named<QToolButton>(f.editor(), QString::fromLatin1(name));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!button->statusTip().isEmpty(), name);
        }
        // The attached files travel with the card in hidden labels.
        for (const char* name :
            { "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03", "imgBianco" })
            QVERIFY2(named<QLabel>(f.editor(), QString::fromLatin1(name))->isHidden(), name);
        QVERIFY(named<QLabel>(f.editor(), QStringLiteral("lblPosizione"))->isVisible());
        QVERIFY(named<QLabel>(f.editor(), QStringLiteral("imgFoto"))->isVisible());
    }

    // The status line shows a control's text while the pointer is over it, as
    // written; the tooltip adds the shortcut key in words.
    void statusTextsAreExactAndTooltipsNameTheKeys_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tooltip");
        for (ArchiveKind kind : editorKinds()) {
            QTest::addRow("%s save", kindName(kind)) << kind << "cmdSalva"
                                                     << "Salva la scheda in archivio."
                                                     << "Salva la scheda in archivio. (Ctrl+S)";
            QTest::addRow("%s first", kindName(kind)) << kind << "cmdPrimo"
                                                      << "Visualizza la prima scheda in archivio."
                                                      << "Visualizza la prima scheda in archivio. (Alt+Home)";
            QTest::addRow("%s help", kindName(kind)) << kind << "cmdGuida"
                                                     << "Visualizza la pagina della guida sensibile al contesto."
                                                     << "Visualizza la pagina della guida sensibile al contesto. (F1)";
            QTest::addRow("%s no shortcut", kindName(kind)) << kind << "cmdEsci"
                                                            << "Esci da questa schermata di lavoro."
                                                            << "Esci da questa schermata di lavoro.";
        }
    }
    void statusTextsAreExactAndTooltipsNameTheKeys()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, button);
        QFETCH(QString, status);
        QFETCH(QString, tooltip);
        EditorFixture f(kind);
        auto* picture = named<QToolButton>(f.editor(), button);
        QCOMPARE(picture->statusTip(), status);
        QCOMPARE(picture->toolTip(), tooltip);
        QCOMPARE(f.statusLineAfter(picture->statusTip()), status);
        QCOMPARE(f.statusLineAfter(QString()), QString());
    }

    // The editor's yellow focus colour belongs to its card fields only: the check
    // windows and the standard dialogs it opens keep their own look.
    void theHighlightStaysOnTheCardsOwnFields_data() { addKindRows(); }
    void theHighlightStaysOnTheCardsOwnFields()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const auto centre = [](QWidget* w) { return w->grab().toImage().pixelColor(w->width() / 2, w->height() / 2); };
        f.firstField()->setFocus();
        QCOMPARE(centre(f.firstField()), QColor(0xFF, 0xFF, 0x00));

        QDialog opened(f.editor());
        auto* field = new QLineEdit(&opened);
        opened.show();
        field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&opened));
        QVERIFY(centre(field) != QColor(0xFF, 0xFF, 0x00));
        QVERIFY(centre(field) != QColor(0xF0, 0xF8, 0xFF));
    }

    // A field of a code, a number or a date shows its longest value whole in
    // the font the fields get, with the window still fitting a 1366 x 768
    // screen; the position shows six digits.
    void fieldsShowTheirLongestValueWhole_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        const QString date = QStringLiteral("28/08/1988");
        for (ArchiveKind kind : bookKinds())
            QTest::addRow("%s date", kindName(kind)) << kind << "txtData" << date;
        const QList<std::pair<const char*, QString>> registry {
            { "txtDataNasc", date },
            { "txtCodFisc", QStringLiteral("WWWMMW88W28W404W") },
            { "txtPartitaIva", QStringLiteral("08888888888") },
            { "txtIban", QStringLiteral("IT40W0888888888WWWMMMWWWMMM") },
            { "txtTel", QStringLiteral("+888 888 888 888 888") },
            { "txtCellulare", QStringLiteral("+888 888 888 888 888") },
        };
        for (const auto& [control, value] : registry)
            QTest::addRow("registry %s", control) << ArchiveKind::Registry << control << value;
    }
    void fieldsShowTheirLongestValueWhole()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, control);
        QFETCH(QString, value);
        EditorFixture f(kind);
        f.editor()->resize(1366, 740);
        auto* field = named<QLineEdit>(f.editor(), control);
        field->setText(value);
        QCoreApplication::processEvents();
        QVERIFY(field->isVisible());
        // With the cursor at its end, which a field always shows, the field
        // still shows the first character: the text did not have to scroll.
        field->setCursorPosition(int(value.size()));
        const QRect inside = field->contentsRect();
        QVERIFY2(field->cursorPositionAt(QPoint(inside.left() + 4, inside.center().y())) == 0,
            qPrintable(QStringLiteral("%1 wide for %2").arg(field->width()).arg(value)));
        QVERIFY(f.editor()->minimumSizeHint().width() <= 1366);

        named<QLabel>(f.editor(), "lblPosizione")->setText(QStringLiteral("100000"));
        const QLabel* position = named<QLabel>(f.editor(), "lblPosizione");
        QVERIFY(position->fontMetrics().horizontalAdvance(position->text()) <= position->contentsRect().width());
        QVERIFY2(position->geometry().right() < named<QToolButton>(f.editor(), "cmdAvanti")->geometry().left(),
            qPrintable(QStringLiteral("position %1..%2, Next from %3, toolbar %4 of %5 wanted")
                           .arg(position->geometry().left())
                           .arg(position->geometry().right())
                           .arg(named<QToolButton>(f.editor(), "cmdAvanti")->geometry().left())
                           .arg(position->parentWidget()->parentWidget()->width())
                           .arg(position->parentWidget()->parentWidget()->minimumSizeHint().width())));
    }

    // What a field shows is what the card stores. A letter the archive cannot
    // hold goes in as its plain form and any other such character stays out,
    // however the text arrives; the status line says what happened at once.
    void lettersTheCardCannotHoldTakeTheirPlainForm_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("notice");
        const QString replacedS = QString::fromUtf8(
            "Il carattere «Ş» non può essere memorizzato nella scheda ed è stato sostituito con «S».");
        const QString replacedA = QString::fromUtf8(
            "Il carattere «ă» non può essere memorizzato nella scheda ed è stato sostituito con «a».");
        const QString replacedI = QString::fromUtf8(
            "Il carattere «İ» non può essere memorizzato nella scheda ed è stato sostituito con «I».");
        const QString refusedEmoji = QString::fromUtf8("Il carattere «😀» non può essere memorizzato nella scheda.");
        const QString refusedHan = QString::fromUtf8("Il carattere «李» non può essere memorizzato nella scheda.");
        for (ArchiveKind kind : editorKinds()) {
            // Typed keys are told one at a time: the line names the last.
            QTest::addRow("%s typed", kindName(kind)) << kind << "typed" << QString::fromUtf8("Ştefănescu è")
                                                      << QString::fromUtf8("Stefanescu è") << replacedA;
            QTest::addRow("%s typed emoji", kindName(kind))
                << kind << "typed" << QString::fromUtf8("Anna 😀") << "Anna " << refusedEmoji;
            QTest::addRow("%s pasted", kindName(kind)) << kind << "pasted" << QString::fromUtf8("Wang 李 Ştefan")
                                                       << "Wang  Stefan" << refusedHan + " " + replacedS;
            QTest::addRow("%s composed", kindName(kind))
                << kind << "composed" << QString::fromUtf8("Ştefan") << "Stefan" << replacedS;
        }
    }
    void lettersTheCardCannotHoldTakeTheirPlainForm()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, how);
        QFETCH(QString, arriving);
        QFETCH(QString, shown);
        QFETCH(QString, notice);
        EditorFixture f(kind);
        f.fillRequired();
        QLineEdit* field = f.firstField();
        field->clear();
        field->setFocus();
        if (how == QLatin1String("typed")) {
            typeKeys(field, arriving);
        } else if (how == QLatin1String("pasted")) {
            paste(field, arriving);
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(arriving);
            QApplication::sendEvent(field, &composed);
        }
        QCOMPARE(field->text(), shown);
        const QLabel* line = f.editor()->statusLine();
        QCOMPARE(line->toolTip().isEmpty() ? line->text() : line->toolTip(), notice);

        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.stored(1).at(0), shown.trimmed());
    }

    // Text the card already holds goes in without a word.
    void storableTextLeavesTheStatusLineAlone_data() { addKindRows(); }
    void storableTextLeavesTheStatusLineAlone()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        QLineEdit* field = f.firstField();
        typeKeys(field, QString::fromUtf8("Città Œuvre €"));
        paste(field, QString::fromUtf8(" Forlì"));
        QCOMPARE(field->text(), QString::fromUtf8("Città Œuvre € Forlì"));
        QVERIFY(!f.editor()->statusLine()->text().contains(QStringLiteral("carattere")));
    }

    // From the last field Enter goes back to the first. (Enter in the date of a
    // book entry opens the calendar instead: a book editor's own behaviour.)
    void enterMovesToTheNextFieldInRecordOrder_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("key");
        for (ArchiveKind kind : editorKinds()) {
            const QStringList controls = fieldControls(kind);
            for (int i = 0; i < controls.size(); ++i) {
                if (kind != ArchiveKind::Registry && controls[i] == QLatin1String("txtData"))
                    continue;
                QTest::addRow("%s %s", kindName(kind), qPrintable(controls[i]))
                    << kind << controls[i] << controls[(i + 1) % controls.size()]
                    << int(i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            }
        }
    }
    void enterMovesToTheNextFieldInRecordOrder()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, key);
        EditorFixture f(kind);
        f.edit(from)->setFocus();
        QTest::keyClick(f.edit(from), Qt::Key(key));
        QCOMPARE(f.editor()->focusWidget(), f.edit(to));
        QCOMPARE(f.edit(from)->text(), QString());
        QCOMPARE(f.user().dialogsRun(), 0);
    }

    void saveNewCardStoresItTrimmedWithItsPhoto_data() { addKindRows(); }
    void saveNewCardStoresItTrimmedWithItsPhoto()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.fillRequired();
        f.firstField()->setText(QStringLiteral("  Ritratto di Niccolò  "));
        f.edit(f.notesField().control)->setText(QString(250, QLatin1Char('n')));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));

        QCOMPARE(f.user().messages(), onlyMessage(MessageKind::Information, cardInserted, Buttons::OkCancel));
        QCOMPARE(f.position(), QStringLiteral("1"));

        const QByteArray record = readBytes(f.archivePath());
        QCOMPARE(record.size(), f.recordSize());
        // Trimmed, in Windows-1252.
        QCOMPARE(storedField(record, 0), QByteArray("Ritratto di Niccol\xF2"));
        for (const CardField& field : f.requiredFields().mid(1))
            QCOMPARE(storedField(record, field.offset), field.value.toLatin1());
        QCOMPARE(storedField(record, f.notesField().offset), QByteArray(250, 'n'));

        QCOMPARE(QImage(f.photoPath(1)).size(), photoFrame);
        for (const QString& other : f.otherKindsPhotoPaths(1))
            QVERIFY2(!QFileInfo::exists(other), qPrintable(other));

        // The text comes back trimmed.
        f.click(named<QToolButton>(f.editor(), "cmdNuovo"));
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QCOMPARE(f.firstField()->text(), QStringLiteral("Ritratto di Niccolò"));
    }

    void saveStoredCardOverwritesInPlace_data() { addKindRows(); }
    void saveStoredCardOverwritesInPlace()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        f.click(named<QToolButton>(f.editor(), "cmdUltimo"));
        f.firstField()->setText(QStringLiteral("Cambiata"));
        f.edit(f.notesField().control)->setText(QStringLiteral("Ottima"));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Information, changesSaved, Buttons::OkCancel)
                + onlyMessage(MessageKind::Information, changesSaved, Buttons::OkCancel));
        QCOMPARE(f.position(), QStringLiteral("3"));
        QCOMPARE(QFileInfo(f.archivePath()).size(), 3 * f.recordSize());
        QCOMPARE(f.stored(3).at(0), QStringLiteral("Cambiata"));
        QCOMPARE(storedField(f.storedBytes(3), f.notesField().offset), QByteArray("Ottima"));
        QCOMPARE(f.stored(2), f.record(2));
        QVERIFY(QFileInfo::exists(f.photoPath(3)));
    }

    void saveAppendsAfterExistingCards_data() { addKindRows(); }
    void saveAppendsAfterExistingCards()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(7);
        f.fillRequired();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.lastMessage().text, cardInserted);
        QCOMPARE(f.position(), QStringLiteral("8"));
        QCOMPARE(QFileInfo(f.archivePath()).size(), 8 * f.recordSize());
        QCOMPARE(f.stored(8).at(0), f.requiredFields().at(0).value);
        QVERIFY(QFileInfo::exists(f.photoPath(8)));
    }

    // The required fields before `missing` are filled; `missing` holds `blank`;
    // those after it are empty or filled.
    void requiredFieldsAreCheckedInOrder_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<bool>("restEmpty");
        for (ArchiveKind kind : editorKinds()) {
            QTest::addRow("%s no first", kindName(kind)) << kind << 0 << "" << false;
            QTest::addRow("%s blank first", kindName(kind)) << kind << 0 << "   " << false;
            QTest::addRow("%s nothing at all", kindName(kind)) << kind << 0 << "" << true;
            QTest::addRow("%s no second", kindName(kind)) << kind << 1 << "" << true;
            QTest::addRow("%s blank third", kindName(kind)) << kind << 2 << " " << false;
        }
    }
    void requiredFieldsAreCheckedInOrder()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(int, missing);
        QFETCH(QString, blank);
        QFETCH(bool, restEmpty);
        EditorFixture f(kind);
        const QList<CardField> required = f.requiredFields();
        for (int i = 0; i < required.size(); ++i) {
            const QString value = i < missing ? required[i].value
                : i == missing                ? blank
                : restEmpty                   ? QString()
                                              : required[i].value;
            f.edit(required[i].control)->setText(value);
        }
        f.edit(f.notesField().control)->setFocus();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));

        QCOMPARE(f.user().messages(), onlyMessage(MessageKind::Warning, required[missing].message, Buttons::OkCancel));
        QCOMPARE(f.editor()->focusWidget(), f.edit(required[missing].control));
        QVERIFY(!QFileInfo::exists(f.archivePath()));
        QCOMPARE(f.position(), QString());
    }

    void emptyArchiveNavigation_data()
    {
        addKindRows("button",
            { QStringLiteral("cmdPrimo"), QStringLiteral("cmdIndietro"), QStringLiteral("cmdAvanti"),
                QStringLiteral("cmdUltimo") });
    }
    void emptyArchiveNavigation()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, button);
        EditorFixture f(kind);
        f.click(button);
        QCOMPARE(f.user().messages(), onlyMessage(MessageKind::Information, emptyArchive, Buttons::OkCancel));
        QCOMPARE(f.position(), QString());
        // The first look at a fresh installation, or at a book file that went
        // missing, leaves an empty archive behind.
        QVERIFY(QFileInfo::exists(f.archivePath()));
        QCOMPARE(QFileInfo(f.archivePath()).size(), 0);
    }

    void browsingStopsAtBothEnds_data() { addKindRows(); }
    void browsingStopsAtBothEnds()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.shownValues(), f.record(1));
        f.click(named<QToolButton>(f.editor(), "cmdIndietro"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        f.click(named<QToolButton>(f.editor(), "cmdUltimo"));
        QCOMPARE(f.position(), QStringLiteral("3"));
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.position(), QStringLiteral("3"));
        QCOMPARE(f.shownValues(), f.record(3));
        f.click(named<QToolButton>(f.editor(), "cmdIndietro"));
        QCOMPARE(f.shownValues(), f.record(2));
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QCOMPARE(f.shownValues(), f.record(1));
        QVERIFY(f.user().messages().isEmpty());

        // New empties the card; Previous or Next from a new card lands on the first.
        for (QToolButton* move :
            { named<QToolButton>(f.editor(), "cmdIndietro"), named<QToolButton>(f.editor(), "cmdAvanti") }) {
            f.click(named<QToolButton>(f.editor(), "cmdUltimo"));
            f.click(named<QToolButton>(f.editor(), "cmdNuovo"));
            QCOMPARE(f.position(), QString());
            QCOMPARE(f.shownValues(), blankRecord(f.layout()));
            f.click(move);
            QCOMPARE(f.position(), QStringLiteral("1"));
            QCOMPARE(f.shownValues(), f.record(1));
        }
        QVERIFY(f.user().messages().isEmpty());
    }

    void previousOnFirstCardIgnoresAnEmptiedArchive_data() { addKindRows(); }
    void previousOnFirstCardIgnoresAnEmptiedArchive()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(2);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QFile::resize(f.archivePath(), 0);
        f.click(named<QToolButton>(f.editor(), "cmdIndietro"));
        QVERIFY(f.user().messages().isEmpty());
        QCOMPARE(f.position(), QStringLiteral("1"));
    }

    void nextOnAnEmptiedArchiveMakesTheCardNew_data() { addKindRows(); }
    void nextOnAnEmptiedArchiveMakesTheCardNew()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(2);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QFile::resize(f.archivePath(), 0);
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.user().messageTexts(), QStringList { emptyArchive });
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.shownValues(), f.record(1));
    }

    void showingTheWindowStartsANewCard_data() { addKindRows(); }
    void showingTheWindowStartsANewCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        f.writePhoto(1, encodeJpeg(markedImage(QSize(30, 40), Qt::red)));
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QVERIFY(!f.editor()->photo().showsPlaceholder());
        f.editor()->hide();
        f.editor()->show();
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.shownValues(), blankRecord(f.layout()));
        QVERIFY(f.editor()->photo().showsPlaceholder());
        QCOMPARE(f.editor()->archivePath(), f.archivePath());
    }

    void duplicateNeedsAStoredCard_data() { addKindRows(); }
    void duplicateNeedsAStoredCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.fillRequired();
        const QStringList typed = f.shownValues();
        f.click(named<QToolButton>(f.editor(), "cmdDuplica"));
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Warning,
                QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                               "stata inserita in archivio."),
                Buttons::OkCancel));
        QCOMPARE(f.shownValues(), typed);
        QCOMPARE(f.position(), QString());
    }

    void duplicateThenSaveAppendsACopyWithoutAttachmentsOrPhoto_data() { addKindRows(); }
    void duplicateThenSaveAppendsACopyWithoutAttachmentsOrPhoto()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(2);
        f.writePhoto(2, encodeJpeg(markedImage(QSize(60, 80), Qt::red)));
        f.click(named<QToolButton>(f.editor(), "cmdUltimo"));
        QVERIFY(!f.editor()->photo().showsPlaceholder());

        f.click(named<QToolButton>(f.editor(), "cmdDuplica"));
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Information,
                QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                               "Al termine premere Salva per inserire la scheda in archivio."),
                Buttons::OkCancel));
        QCOMPARE(f.position(), QString());
        const QStringList copy = withoutAttachments(f.record(2), f.editFieldCount());
        QCOMPARE(f.shownValues(), copy);
        QVERIFY(f.editor()->photo().showsPlaceholder());

        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.lastMessage().text, cardInserted);
        QCOMPARE(f.position(), QStringLiteral("3"));
        QCOMPARE(f.stored(3), copy);
        QVERIFY(QFileInfo::exists(f.photoPath(3)));
        QVERIFY(readBytes(f.photoPath(3)) != readBytes(f.photoPath(2)));
    }

    void archiveFailuresShowTheAccessMessage_data()
    {
        addKindRows("button", { QStringLiteral("cmdPrimo"), QStringLiteral("cmdAvanti"), QStringLiteral("cmdSalva") });
    }
    void archiveFailuresShowTheAccessMessage()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, button);
        EditorFixture f(kind);
        // A folder where the archive should be cannot be opened as a file, not even by root.
        QVERIFY(QDir().mkdir(f.archivePath()));
        f.fillRequired();
        f.click(button);
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Error, archiveAccessText(causewords::folderInTheWay()), Buttons::OkCancel));
        QCOMPARE(f.position(), QString());
    }

    void anArchiveInUseByAnotherInstanceIsLeftAlone_data() { addKindRows(); }
    void anArchiveInUseByAnotherInstanceIsLeftAlone()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        // Another program instance on the same folder is working on the archive.
        Archive::setDefaultLockTimeout(200);
        const auto restore = qScopeGuard([] { Archive::setDefaultLockTimeout(Archive::lockTimeoutMs); });
        QFile other(f.archivePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        struct flock region = {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        QCOMPARE(::fcntl(other.handle(), F_OFD_SETLK, &region), 0);
        f.fillRequired();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Error, archiveAccessText(causewords::lockedElsewhere()), Buttons::OkCancel));
        QCOMPARE(QFileInfo(f.archivePath()).size(), f.recordSize());
        QCOMPARE(f.position(), QString());

        other.close();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.lastMessage().text, cardInserted);
        QCOMPARE(f.position(), QStringLiteral("2"));
    }

    void unchangedJpegIsWrittenBackByteForByte_data() { addKindRows(); }
    void unchangedJpegIsWrittenBackByteForByte()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QByteArray original = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        for (int i = 0; i < 3; ++i)
            f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(readBytes(f.photoPath(1)), original);
    }

    void unreadablePhotoSurvivesSaveUntilTheUserReplacesIt_data() { addKindRows(); }
    void unreadablePhotoSurvivesSaveUntilTheUserReplacesIt()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        const QByteArray damaged("\xFF\xD8 not really a picture", 24);
        f.writePhoto(1, damaged);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QVERIFY(f.editor()->photo().showsPlaceholder());
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(readBytes(f.photoPath(1)), damaged);

        f.click(named<QToolButton>(f.editor(), "btnCancFoto"));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QVERIFY(readBytes(f.photoPath(1)) != damaged);
        QVERIFY(!QImage(f.photoPath(1)).isNull());
    }

    void missingPhotoIsStoredAsThePlaceholder_data() { addKindRows(); }
    void missingPhotoIsStoredAsThePlaceholder()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(QImage(f.photoPath(1)).size(), photoFrame);
    }

    void photoThatCannotBeWrittenIsReportedAfterTheSave_data() { addKindRows(); }
    void photoThatCannotBeWrittenIsReportedAfterTheSave()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        // A file where the photo folder should be: the card can be stored, its photo cannot.
        writeBytes(f.photoFolder(), "not a folder");
        f.fillRequired();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        // One message: the card is in the archive, its photo is not, and why. A
        // "saved" box before it would take the user's next keystrokes.
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Warning, causewords::withCause(photoNotSaved, causewords::folderInTheWay()),
                Buttons::OkCancel));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(QFileInfo(f.archivePath()).size(), f.recordSize());
    }

    void photoOnAFullDiskKeepsItsFileAndIsReported_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<DiskFault>("fault");
        // Only the photos' disk is full; a file size limit would stop the archive too.
        for (const ArchiveKind kind : editorKinds())
            for (const DiskFault fault : { DiskFault::NoRoomLeft, DiskFault::OnePageLeft, DiskFault::SyncRefused })
                QTest::addRow("%s, %s", kindName(kind), diskFaultName(fault)) << kind << fault;
    }
    void photoOnAFullDiskKeepsItsFileAndIsReported()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(DiskFault, fault);
        EditorFixture f(kind);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        QVERIFY(QFile::link(disk.path(), f.photoFolder()));
        const QByteArray previous = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        const QString chosen = f.filePath(QStringLiteral("ritratto.jpg"));
        writeBytes(chosen, encodeJpeg(speckledImage(120)));
        f.user().queueOpenFileName(chosen);
        f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        // One message says the card was saved and its photo was not, with why.
        QCOMPARE(f.user().messages(),
            onlyMessage(
                MessageKind::Warning, causewords::withCause(photoNotSaved, diskFaultWords(fault)), Buttons::OkCancel));
        QCOMPARE(readBytes(f.photoPath(1)), previous);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QFileInfo(f.photoPath(1)).fileName() });
    }

    void loadedPhotoBecomesTheCardsPhotoAtSave_data() { addKindRows(); }
    void loadedPhotoBecomesTheCardsPhotoAtSave()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QString source = f.filePath(QStringLiteral("ritratto.jpg"));
        const QByteArray bytes = encodeJpeg(markedImage(QSize(200, 100), Qt::green));
        writeBytes(source, bytes);
        f.user().queueOpenFileName(source);
        f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        QCOMPARE(f.user().openRequests().size(), 1);
        QCOMPARE(f.user().openRequests().at(0).title,
            QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(f.user().openRequests().at(0).filter,
            QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"));
        QCOMPARE(f.editor()->photo().image().size(), QSize(200, 100));
        QCOMPARE(named<QLabel>(f.editor(), "imgFoto")->pixmap().size(), fitInto(QSize(200, 100), photoFrame));

        f.fillRequired();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(readBytes(f.photoPath(1)), bytes);
    }

    // "Carica foto" and "Salva foto" each open where the user last chose a
    // file for that purpose, in any editor, for the rest of the run.
    void photoDialogsOpenInTheFolderLastUsed()
    {
        QString loadedFrom;
        QString savedTo;
        {
            EditorFixture registry(ArchiveKind::Registry);
            loadedFrom = registry.filePath(QStringLiteral("Servizi/Estate"));
            savedTo = registry.filePath(QStringLiteral("Copie"));
            QDir().mkpath(loadedFrom);
            QDir().mkpath(savedTo);
            const QString source = loadedFrom + QStringLiteral("/ritratto.jpg");
            writeBytes(source, encodeJpeg(markedImage(QSize(40, 20), Qt::green)));
            registry.user().queueOpenFileName(source);
            registry.click(named<QToolButton>(registry.editor(), "btnCaricaFoto"));
            registry.user().queueSaveFileName(savedTo + QStringLiteral("/Foto.jpg"));
            registry.click(named<QToolButton>(registry.editor(), "btnSalvaFoto"));
            QVERIFY(QFileInfo::exists(savedTo + QStringLiteral("/Foto.jpg")));
        }
        EditorFixture book(ArchiveKind::WomenBook);
        book.click(named<QToolButton>(book.editor(), "btnCaricaFoto"));
        book.click(named<QToolButton>(book.editor(), "btnSalvaFoto"));
        QCOMPARE(book.user().openRequests().at(0).directory, loadedFrom);
        QCOMPARE(book.user().saveRequests().at(0).directory, savedTo);
    }

    void photoDialogsCancelledChangeNothing_data() { addKindRows(); }
    void photoDialogsCancelledChangeNothing()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QByteArray cardPhoto = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        const QImage shown = f.editor()->photo().image();

        // No file names queued: the user cancels both dialogs.
        f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        f.click(named<QToolButton>(f.editor(), "btnSalvaFoto"));
        QCOMPARE(f.user().openRequests().size(), 1);
        QCOMPARE(f.user().saveRequests().size(), 1);
        const FileDialogRequest save = f.user().saveRequests().at(0);
        QCOMPARE(save.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(save.filter, QStringLiteral("File Jpeg (*.jpg)|*.jpg"));
        QCOMPARE(save.proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(save.defaultSuffix, QStringLiteral("jpg"));

        QVERIFY(f.user().messages().isEmpty());
        QVERIFY(!f.editor()->photo().showsPlaceholder());
        QCOMPARE(f.editor()->photo().image(), shown);
        QCOMPARE(QDir(f.programDir()).entryList(QDir::Files), QStringList { f.archiveFileName() });
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(readBytes(f.photoPath(1)), cardPhoto);
    }

    void photoCopyIsTheShownPicture_data()
    {
        addKindRows("source",
            { QStringLiteral("card photo as read"), QStringLiteral("loaded jpeg"), QStringLiteral("loaded bitmap"),
                QStringLiteral("deleted photo") });
    }
    void photoCopyIsTheShownPicture()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, source);
        EditorFixture f(kind);
        const QByteArray cardPhoto = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QByteArray loaded;
        if (source.startsWith(QLatin1String("loaded"))) {
            const bool bitmap = source.endsWith(QLatin1String("bitmap"));
            const QString file = f.filePath(bitmap ? QStringLiteral("ritratto.bmp") : QStringLiteral("ritratto.jpg"));
            const QImage picture = markedImage(QSize(64, 48), Qt::green);
            loaded = bitmap ? encodeImage(picture, "bmp") : encodeJpeg(picture);
            writeBytes(file, loaded);
            f.user().queueOpenFileName(file);
            f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        } else if (source == QLatin1String("deleted photo")) {
            f.click(named<QToolButton>(f.editor(), "btnCancFoto"));
        }

        const QString copy = f.filePath(QStringLiteral("Foto.jpg"));
        f.user().queueSaveFileName(copy);
        f.click(named<QToolButton>(f.editor(), "btnSalvaFoto"));
        QVERIFY(f.user().messages().isEmpty());
        const QByteArray written = readBytes(copy);
        // A JPEG unchanged since it was read is copied as the very same bytes,
        // not a new encoding.
        if (source == QLatin1String("card photo as read")) {
            QCOMPARE(written, cardPhoto);
            return;
        }
        if (source == QLatin1String("loaded jpeg")) {
            QCOMPARE(written, loaded);
            return;
        }
        QVERIFY(written != cardPhoto);
        QVERIFY(written.startsWith("\xFF\xD8"));
        QCOMPARE(QImage::fromData(written).size(), f.editor()->photo().image().size());
        QCOMPARE(
            f.editor()->photo().image().size(), source == QLatin1String("loaded bitmap") ? QSize(64, 48) : photoFrame);
    }

    void photoCopyThatFailsWarnsAndKeepsThePicture_data()
    {
        addKindRows("blocker",
            { QStringLiteral("missing folder"), QStringLiteral("folder in the way"), QStringLiteral("no room left"),
                QStringLiteral("file size limit") });
    }
    void photoCopyThatFailsWarnsAndKeepsThePicture()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, blocker);
        const bool folderInTheWay = blocker == QLatin1String("folder in the way");
        EditorFixture f(kind);
        const QByteArray cardPhoto = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        const QImage shown = named<QLabel>(f.editor(), "imgFoto")->pixmap().toImage();

        // No copy can be written where a folder is missing, or stands in place of
        // the file, or on a disk without room, where an earlier copy stays whole.
        QString blocked = folderInTheWay ? f.filePath(QStringLiteral("Foto.jpg"))
                                         : f.filePath(QStringLiteral("no/such/folder/Foto.jpg"));
        if (folderInTheWay)
            QVERIFY(QDir().mkdir(blocked));
        std::unique_ptr<FaultyDisk> disk;
        const QByteArray earlierCopy("la copia di ieri");
        if (blocker.endsWith(QLatin1String("left")) || blocker.endsWith(QLatin1String("limit"))) {
            disk = std::make_unique<FaultyDisk>(
                blocker.endsWith(QLatin1String("left")) ? DiskFault::NoRoomLeft : DiskFault::FileSizeLimit);
            LUMIDEX_REQUIRE_DISK(*disk);
            blocked = disk->path() + QStringLiteral("/Foto.jpg");
            writeBytes(blocked, earlierCopy);
            QVERIFY2(disk->strike(), qPrintable(disk->unavailable()));
        }
        f.user().queueSaveFileName(blocked);
        f.click(named<QToolButton>(f.editor(), "btnSalvaFoto"));
        if (disk) {
            disk->lift();
            QCOMPARE(readBytes(blocked), earlierCopy);
        }
        const QString cause = blocker == QLatin1String("missing folder") ? causewords::notFound()
            : folderInTheWay                                             ? causewords::folderInTheWay()
            : blocker.endsWith(QLatin1String("left"))                    ? causewords::noRoom()
                                                                         : causewords::fileTooLarge();
        QCOMPARE(f.user().messages(),
            onlyMessage(MessageKind::Warning, causewords::withCause(photoNotCopied, cause), Buttons::OkCancel));
        QVERIFY(!f.editor()->photo().showsPlaceholder());
        QCOMPARE(named<QLabel>(f.editor(), "imgFoto")->pixmap().toImage(), shown);

        // The card keeps its photo file untouched at the next Save, and the copy
        // works once the place is good.
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(readBytes(f.photoPath(1)), cardPhoto);
        const QString good = f.filePath(QStringLiteral("Copia.jpg"));
        f.user().queueSaveFileName(good);
        f.click(named<QToolButton>(f.editor(), "btnSalvaFoto"));
        QCOMPARE(readBytes(good), cardPhoto);
    }

    void fileThatIsNoPictureShowsThePlaceholderUntilSave_data() { addKindRows(); }
    void fileThatIsNoPictureShowsThePlaceholderUntilSave()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QByteArray cardPhoto = f.storeCardsWithPhoto();
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));

        const QString letter = f.filePath(QStringLiteral("lettera.jpg"));
        writeBytes(letter, "Gentile cliente, le inviamo il contratto.");
        f.user().queueOpenFileName(letter);
        f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        QVERIFY(f.user().messages().isEmpty());
        QVERIFY(f.editor()->photo().showsPlaceholder());
        QCOMPARE(named<QLabel>(f.editor(), "imgFoto")->pixmap().toImage(),
            named<QLabel>(f.editor(), "imgBianco")->pixmap().toImage());
        // Only Save touches the card's photo file.
        QCOMPARE(readBytes(f.photoPath(1)), cardPhoto);

        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(QImage(f.photoPath(1)).size(), photoFrame);
    }

    void deletedPhotoComesBackWhenTheCardIsShownAgain_data() { addKindRows(); }
    void deletedPhotoComesBackWhenTheCardIsShownAgain()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QByteArray cardPhoto = f.storeCardsWithPhoto(2);

        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.click(named<QToolButton>(f.editor(), "btnCancFoto"));
        QVERIFY(f.editor()->photo().showsPlaceholder());
        QCOMPARE(named<QLabel>(f.editor(), "imgFoto")->pixmap().toImage(),
            named<QLabel>(f.editor(), "imgBianco")->pixmap().toImage());
        QCOMPARE(readBytes(f.photoPath(1)), cardPhoto);

        // The user lets the deletion go rather than save it.
        f.user().queueAnswer(Answer::No);
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        f.click(named<QToolButton>(f.editor(), "cmdIndietro"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QVERIFY(!f.editor()->photo().showsPlaceholder());
        QCOMPARE(f.editor()->photo().image().size(), QSize(90, 120));
        QCOMPARE(
            f.user().messages(), onlyMessage(MessageKind::Confirmation, saveChangesQuestion, Buttons::YesNoCancel));
        QCOMPARE(readBytes(f.photoPath(1)), cardPhoto);
    }

    // The moves and the search windows put a card on screen this way.
    void showStoredCardFillsTheCardAndLoadsItsPhoto_data() { addKindRows(); }
    void showStoredCardFillsTheCardAndLoadsItsPhoto()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.writePhoto(5, encodeJpeg(markedImage(QSize(40, 30), Qt::magenta)));
        QStringList values = f.record(5);
        values[0] = QString(recordFields(kind).at(0).capacity, QLatin1Char('w'));
        QVERIFY(f.editor()->showStoredCard({ 5, values }));
        QCOMPARE(f.position(), QStringLiteral("5"));
        QCOMPARE(f.shownValues(), values);
        // A text longer than its field is read from its beginning.
        for (const QLineEdit* field : f.editor()->fields())
            QCOMPARE(field->cursorPosition(), 0);
        QVERIFY(!f.editor()->photo().showsPlaceholder());
        QCOMPARE(f.editor()->photo().image().size(), QSize(40, 30));

        // A position without a photo file shows the placeholder.
        QVERIFY(f.editor()->showStoredCard({ 6, f.record(6) }));
        QCOMPARE(f.position(), QStringLiteral("6"));
        QVERIFY(f.editor()->photo().showsPlaceholder());
        QVERIFY(f.user().messages().isEmpty());
    }

    // The editor hands the zoom the picture it shows; every click builds a new window.
    void zoomShowsExactlyThePictureOfTheCard_data() { addKindRows(); }
    void zoomShowsExactlyThePictureOfTheCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        struct Seen {
            QImage picture;
            QImage shown;
            QSize frame;
            QObject* owner = nullptr;
            bool reused = false;
        };
        QList<Seen> seen;
        f.user().onDialog([&](QDialog& dialog) {
            auto* zoom = qobject_cast<TfrmZoom*>(&dialog);
            QVERIFY(zoom);
            zoom->show();
            QVERIFY(QTest::qWaitForWindowExposed(zoom));
            seen.append({ zoom->picture(), labelPicture(named<QLabel>(zoom, "imgFoto")),
                named<QLabel>(zoom, "imgFoto")->size(), zoom->parent(), zoom->property("seen").isValid() });
            zoom->setProperty("seen", true);
            QTest::mouseClick(named<QLabel>(zoom, "imgFoto"), Qt::LeftButton);
            QVERIFY(!zoom->isVisible());
        });

        // A new card: the placeholder picture.
        f.click(named<QToolButton>(f.editor(), "btnZoomFoto"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].picture, named<QLabel>(f.editor(), "imgBianco")->pixmap().toImage());

        // A stored card: its photo as shown, not read again from disk.
        f.seed(1);
        f.writePhoto(1, encodeJpeg(markedImage(QSize(120, 90), Qt::magenta)));
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        QVERIFY(QFile::remove(f.photoPath(1)));
        f.click(named<QToolButton>(f.editor(), "btnZoomFoto"));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].picture.size(), QSize(120, 90));
        QCOMPARE(seen[1].picture, f.editor()->photo().image());

        QCOMPARE(f.user().dialogClasses(), QStringList(2, QStringLiteral("lumidex::TfrmZoom")));
        for (const Seen& one : seen) {
            QCOMPARE(one.owner, f.editor());
            QVERIFY(!one.reused);
            QCOMPARE(one.shown, fittedRender(one.picture, one.frame));
            // The editor's frame shows the same picture, only smaller.
            QVERIFY(one.shown.size().width() > named<QLabel>(f.editor(), "imgFoto")->pixmap().width());
        }
        QCOMPARE(named<QLabel>(f.editor(), "imgFoto")->pixmap().toImage(),
            seen[1].picture.scaled(
                named<QLabel>(f.editor(), "imgFoto")->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        QVERIFY(f.editor()->findChildren<TfrmZoom*>().isEmpty());
        QVERIFY(f.user().messages().isEmpty());
    }

    void helpButtonShowsTheKindsPage_data() { addKindRows(); }
    void helpButtonShowsTheKindsPage()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        QString title;
        QString text;
        QWidget* owner = nullptr;
        f.user().onDialog([&](QDialog& dialog) {
            auto& help = dynamic_cast<TfrmGuida&>(dialog);
            title = named<QLabel>(&help, "lblTitolo")->text();
            text = named<QPlainTextEdit>(&help, "txtGuida")->toPlainText();
            owner = help.parentWidget();
        });
        f.click(named<QToolButton>(f.editor(), "cmdGuida"));
        QCOMPARE(f.user().dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmGuida") });
        QCOMPARE(owner, f.editor());
        QCOMPARE(title, helptexts::title(f.helpPage()));
        QCOMPARE(text, helptexts::paragraphs(f.helpPage()).join(QStringLiteral("\n\n")));
    }

    // A card with unsaved changes asks before anything takes its place or
    // closes the editor: Sì saves it as Save does and goes on, No goes on
    // without saving, Annulla stays on the card as it is.
    void changedCardAsksBeforeItGivesWay_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer");
        for (ArchiveKind kind : editorKinds())
            for (const QString& action : leavingActions)
                for (const char* answer : { "Sì", "No", "Annulla" })
                    QTest::addRow("%s, %s, %s", kindName(kind), qPrintable(action), answer)
                        << kind << action << QString::fromUtf8(answer);
    }
    void changedCardAsksBeforeItGivesWay()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, action);
        QFETCH(QString, answer);
        EditorFixture f(kind);
        f.seed(3);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.position(), QStringLiteral("2"));
        typeAtEnd(f.edit(f.notesField().control), QStringLiteral(" modificata"));
        QStringList edited = f.record(2);
        edited[f.editFieldCount() - 1] = QStringLiteral("Nota 2 modificata");
        QCOMPARE(f.shownValues(), edited);
        QVERIFY(f.editor()->hasUnsavedChanges());
        const QByteArray archiveBefore = readBytes(f.archivePath());
        QSignalSpy closed(f.editor(), &WorkScreen::closed);

        const bool yes = answer == QString::fromUtf8("Sì");
        f.user().queueAnswer(yes ? Answer::Yes : answer == QLatin1String("No") ? Answer::No : Answer::Cancel);
        leaveCardBy(f, action);
        QCOMPARE(f.user().dialogsRun(), action == QLatin1String("search") ? 1 : 0);

        if (answer == QLatin1String("Annulla")) {
            QCOMPARE(f.user().messages(), question());
            QCOMPARE(f.position(), QStringLiteral("2"));
            QCOMPARE(f.shownValues(), edited);
            QVERIFY(f.editor()->hasUnsavedChanges());
            QVERIFY(f.editor()->isVisible());
            QCOMPARE(closed.count(), 0);
            QCOMPARE(readBytes(f.archivePath()), archiveBefore);
            return;
        }
        const CardLanding landing = landingAfter(f, action, edited, true);
        QList<ScriptedInteraction::Message> told = question();
        if (yes)
            told += onlyMessage(MessageKind::Information, changesSaved, Buttons::OkCancel);
        QCOMPARE(f.user().messages(), told + landing.own);
        QCOMPARE(closed.count(), landing.closed ? 1 : 0);
        QCOMPARE(f.editor()->isVisible(), !landing.closed);
        QCOMPARE(f.position(), landing.position);
        QCOMPARE(f.shownValues(), landing.values);
        QCOMPARE(f.stored(2), yes ? edited : f.record(2));
        QCOMPARE(QFileInfo(f.archivePath()).size(), 3 * f.recordSize());
        if (!yes)
            QCOMPARE(readBytes(f.archivePath()), archiveBefore);
    }

    // A card that holds nothing the archive does not is never asked about,
    // whatever was done to it on the way.
    void unchangedCardGivesWayWithoutAQuestion_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("how");
        const QStringList hows { QStringLiteral("stored card untouched"), QStringLiteral("new card untouched"),
            QStringLiteral("letter typed and taken back"), QStringLiteral("photo deleted on a card without one"),
            QStringLiteral("attachments applied as they were"), QStringLiteral("saved just now"),
            QStringLiteral("duplicate untouched") };
        for (ArchiveKind kind : editorKinds())
            for (const QString& action : buttonActions())
                for (const QString& how : hows)
                    QTest::addRow("%s, %s, %s", kindName(kind), qPrintable(action), qPrintable(how))
                        << kind << action << how;
    }
    void unchangedCardGivesWayWithoutAQuestion()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, action);
        QFETCH(QString, how);
        EditorFixture f(kind);
        f.seed(3);
        QLineEdit* notes = f.edit(f.notesField().control);
        const bool fromStored
            = how != QLatin1String("new card untouched") && how != QLatin1String("duplicate untouched");
        if (how != QLatin1String("new card untouched")) {
            f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
            f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        }
        if (how == QLatin1String("letter typed and taken back")) {
            typeAtEnd(notes, QStringLiteral("x"));
            QVERIFY(f.editor()->hasUnsavedChanges());
            QTest::keyClick(notes, Qt::Key_Backspace);
            QCOMPARE(notes->text(), QStringLiteral("Nota 2"));
        } else if (how == QLatin1String("photo deleted on a card without one")) {
            QVERIFY(f.editor()->photo().showsPlaceholder());
            f.click(named<QToolButton>(f.editor(), "btnCancFoto"));
        } else if (how == QLatin1String("attachments applied as they were")) {
            f.user().onDialog([](QDialog& dialog) {
                auto* attach = qobject_cast<TfrmAllegaCartella*>(&dialog);
                QVERIFY(attach);
                QTest::mouseClick(named<QAbstractButton>(attach, "btnApplica"), Qt::LeftButton);
            });
            f.click(named<QToolButton>(f.editor(), "cmdFile"));
            QCOMPARE(f.user().dialogsRun(), 1);
        } else if (how == QLatin1String("saved just now")) {
            typeAtEnd(notes, QStringLiteral(" modificata"));
            f.click(named<QToolButton>(f.editor(), "cmdSalva"));
            QCOMPARE(f.lastMessage().text, changesSaved);
        } else if (how == QLatin1String("duplicate untouched")) {
            f.click(named<QToolButton>(f.editor(), "cmdDuplica"));
            QCOMPARE(f.lastMessage().text, duplicateReady);
        }
        const QStringList before = f.shownValues();
        QVERIFY(!f.editor()->hasUnsavedChanges());
        const QByteArray archiveBefore = readBytes(f.archivePath());
        f.user().clear();
        QSignalSpy closed(f.editor(), &WorkScreen::closed);

        leaveCardBy(f, action);

        // The action's own messages, and no question.
        const CardLanding landing = landingAfter(f, action, before, fromStored);
        QCOMPARE(f.user().messages(), landing.own);
        QCOMPARE(closed.count(), landing.closed ? 1 : 0);
        QCOMPARE(f.editor()->isVisible(), !landing.closed);
        QCOMPARE(f.position(), landing.position);
        QCOMPARE(f.shownValues(), landing.values);
        QCOMPARE(readBytes(f.archivePath()), archiveBefore);
    }

    // Sì is Save: where Save stops, the card stays, with its work, for the user
    // to put right; it can still be let go with No.
    void yesStaysOnTheCardWhenItsSaveStops_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("failure");
        for (ArchiveKind kind : editorKinds())
            for (const QString& action : buttonActions())
                for (const char* failure :
                    { "required field missing", "archive cannot be written", "photo cannot be written" })
                    QTest::addRow("%s, %s, %s", kindName(kind), qPrintable(action), failure)
                        << kind << action << QString::fromLatin1(failure);
    }
    void yesStaysOnTheCardWhenItsSaveStops()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, action);
        QFETCH(QString, failure);
        EditorFixture f(kind);
        f.seed(3);
        const bool photoFails = failure == QLatin1String("photo cannot be written");
        // A file where the photo folder should be: the card can be stored, its photo cannot.
        if (photoFails)
            writeBytes(f.photoFolder(), "not a folder");
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));

        QStringList edited = f.record(2);
        QList<ScriptedInteraction::Message> told = question();
        QLineEdit* required = f.edit(f.requiredFields().constFirst().control);
        // Another program instance reads the archive for as long as this test
        // holds the lock: the editor can read it but never write it.
        Archive::setDefaultLockTimeout(200);
        const auto restore = qScopeGuard([] { Archive::setDefaultLockTimeout(Archive::lockTimeoutMs); });
        QFile other(f.archivePath());
        if (failure == QLatin1String("required field missing")) {
            required->setFocus();
            required->selectAll();
            QTest::keyClick(required, Qt::Key_Backspace);
            edited[0].clear();
            told += onlyMessage(MessageKind::Warning, f.requiredFields().constFirst().message, Buttons::OkCancel);
        } else if (photoFails) {
            const QString chosen = f.filePath(QStringLiteral("ritratto.jpg"));
            writeBytes(chosen, encodeJpeg(markedImage(QSize(60, 80), Qt::green)));
            f.user().queueOpenFileName(chosen);
            f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
            QVERIFY(!f.editor()->photo().showsPlaceholder());
            told += onlyMessage(MessageKind::Warning,
                causewords::withCause(photoNotSaved, causewords::folderInTheWay()), Buttons::OkCancel);
        } else {
            typeAtEnd(f.edit(f.notesField().control), QStringLiteral(" modificata"));
            edited[f.editFieldCount() - 1] = QStringLiteral("Nota 2 modificata");
            QVERIFY(other.open(QIODevice::ReadOnly));
            struct flock region = {};
            region.l_type = F_RDLCK;
            region.l_whence = SEEK_SET;
            QCOMPARE(::fcntl(other.handle(), F_OFD_SETLK, &region), 0);
            told
                += onlyMessage(MessageKind::Error, archiveAccessText(causewords::lockedElsewhere()), Buttons::OkCancel);
        }
        QVERIFY(f.editor()->hasUnsavedChanges());
        const QImage photo = f.editor()->photo().image();
        QSignalSpy closed(f.editor(), &WorkScreen::closed);

        f.user().queueAnswer(Answer::Yes);
        leaveCardBy(f, action);

        QCOMPARE(f.user().messages(), told);
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.shownValues(), edited);
        QCOMPARE(f.editor()->photo().image(), photo);
        QVERIFY(f.editor()->isVisible());
        QCOMPARE(closed.count(), 0);
        QVERIFY(f.editor()->hasUnsavedChanges());
        if (failure == QLatin1String("required field missing"))
            QCOMPARE(f.editor()->focusWidget(), required);
        // The card's record was written before its photo failed; nothing else was.
        QCOMPARE(f.stored(2), photoFails ? edited : f.record(2));
        QCOMPARE(QFileInfo(f.archivePath()).size(), 3 * f.recordSize());
        other.close();

        // The work is still the user's to save or let go.
        f.user().clear();
        f.user().queueAnswer(Answer::No);
        leaveCardBy(f, action);
        const CardLanding landing = landingAfter(f, action, edited, true);
        QCOMPARE(f.user().messages(), question() + landing.own);
        QCOMPARE(closed.count(), landing.closed ? 1 : 0);
        QCOMPARE(f.position(), landing.position);
        QCOMPARE(f.shownValues(), landing.values);
    }

    // A new card with typed work: Sì appends it, and the editor then goes where
    // the user asked from the new card; No lets it go. A new card is never
    // duplicated, so Duplicate replaces nothing and asks nothing.
    void typedNewCardIsAskedAboutLikeAStoredOne_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer");
        for (ArchiveKind kind : editorKinds())
            for (const QString& action : leavingActions)
                for (const char* answer : { "Sì", "No" })
                    QTest::addRow("%s, %s, %s", kindName(kind), qPrintable(action), answer)
                        << kind << action << QString::fromUtf8(answer);
    }
    void typedNewCardIsAskedAboutLikeAStoredOne()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, action);
        QFETCH(QString, answer);
        EditorFixture f(kind);
        f.seed(3);
        f.fillRequired();
        const QStringList typed = f.shownValues();
        QVERIFY(f.editor()->hasUnsavedChanges());
        QSignalSpy closed(f.editor(), &WorkScreen::closed);

        const bool yes = answer == QString::fromUtf8("Sì");
        f.user().queueAnswer(yes ? Answer::Yes : Answer::No);
        leaveCardBy(f, action);

        CardLanding landing = landingAfter(f, action, typed, false);
        if (action == QLatin1String("duplicate")) {
            QCOMPARE(f.user().messages(), landing.own);
            QCOMPARE(f.shownValues(), typed);
            QCOMPARE(QFileInfo(f.archivePath()).size(), 3 * f.recordSize());
            return;
        }
        QList<ScriptedInteraction::Message> told = question();
        if (yes) {
            told += onlyMessage(MessageKind::Information, cardInserted, Buttons::OkCancel);
            QCOMPARE(f.stored(4), typed);
            // The editor closed on the card it had just stored.
            if (landing.closed)
                landing.position = QStringLiteral("4");
        }
        QCOMPARE(f.user().messages(), told + landing.own);
        QCOMPARE(QFileInfo(f.archivePath()).size(), (yes ? 4 : 3) * f.recordSize());
        QCOMPARE(closed.count(), landing.closed ? 1 : 0);
        QCOMPARE(f.position(), landing.position);
        QCOMPARE(f.shownValues(), landing.values);
    }

    // The card a move or the search reads may be the very card Sì has just
    // saved: it is shown as it is stored now, not as it was read before.
    void cardChosenAgainAfterItsSaveShowsAsStored_data()
    {
        addKindRows("way",
            { QStringLiteral("first on the first card"), QStringLiteral("last on the last card"),
                QStringLiteral("search for the shown card") });
    }
    void cardChosenAgainAfterItsSaveShowsAsStored()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, way);
        EditorFixture f(kind);
        f.seed(3);
        const int at = way.startsWith(QLatin1String("first")) ? 1 : way.startsWith(QLatin1String("last")) ? 3 : 2;
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        for (int position = 1; position < at; ++position)
            f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.position(), QString::number(at));
        // Blanks at the end are not stored.
        typeAtEnd(f.edit(f.notesField().control), QStringLiteral(" cambiata  "));
        QStringList stored = f.record(at);
        stored[f.editFieldCount() - 1] = QStringLiteral("Nota %1 cambiata").arg(at);

        f.user().queueAnswer(Answer::Yes);
        if (at == 1)
            leaveCardBy(f, QStringLiteral("first"));
        else if (at == 3)
            leaveCardBy(f, QStringLiteral("last"));
        else
            leaveCardBy(f, QStringLiteral("search"), at);

        QCOMPARE(
            f.user().messages(), question() + onlyMessage(MessageKind::Information, changesSaved, Buttons::OkCancel));
        QCOMPARE(f.position(), QString::number(at));
        QCOMPARE(f.stored(at), stored);
        QCOMPARE(f.shownValues(), stored);
        QVERIFY(!f.editor()->hasUnsavedChanges());
    }

    // Whatever the user changed is work to ask about: a field, the photo, the
    // attached files, a book entry's date, the texts a duplicate carries.
    void everyChangeOfTheCardIsAskedAbout_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("change");
        for (ArchiveKind kind : editorKinds()) {
            for (const char* change : { "field typed", "photo loaded", "photo deleted", "attachment described anew",
                     "attachment removed", "new card typed", "duplicate typed", "edits carried into a duplicate" })
                QTest::addRow("%s, %s", kindName(kind), change) << kind << QString::fromLatin1(change);
        }
        for (ArchiveKind kind : bookKinds())
            QTest::addRow("%s, date set to today", kindName(kind)) << kind << QStringLiteral("date set to today");
    }
    void everyChangeOfTheCardIsAskedAbout()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, change);
        EditorFixture f(kind);
        f.seed(3);
        f.writePhoto(2, encodeJpeg(markedImage(QSize(60, 80), Qt::red)));
        if (change != QLatin1String("new card typed")) {
            f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
            f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
            QVERIFY(!f.editor()->photo().showsPlaceholder());
        }
        QLineEdit* notes = f.edit(f.notesField().control);
        if (change == QLatin1String("field typed") || change == QLatin1String("new card typed")) {
            typeAtEnd(f.firstField(), QStringLiteral("a"));
        } else if (change == QLatin1String("photo loaded")) {
            const QString chosen = f.filePath(QStringLiteral("ritratto.jpg"));
            writeBytes(chosen, encodeJpeg(markedImage(QSize(60, 80), Qt::green)));
            f.user().queueOpenFileName(chosen);
            f.click(named<QToolButton>(f.editor(), "btnCaricaFoto"));
        } else if (change == QLatin1String("photo deleted")) {
            f.click(named<QToolButton>(f.editor(), "btnCancFoto"));
        } else if (change.startsWith(QLatin1String("attachment"))) {
            const bool removed = change.endsWith(QLatin1String("removed"));
            f.user().onDialog([removed](QDialog& dialog) {
                auto* attach = qobject_cast<TfrmAllegaCartella*>(&dialog);
                QVERIFY(attach);
                if (removed) {
                    named<QLineEdit>(attach, "txtFile01")->clear();
                    named<QLineEdit>(attach, "txtDesc01")->clear();
                } else {
                    named<QLineEdit>(attach, "txtDesc01")->setText(QStringLiteral("Contratto rinnovato"));
                }
                QTest::mouseClick(named<QAbstractButton>(attach, "btnApplica"), Qt::LeftButton);
            });
            f.click(named<QToolButton>(f.editor(), "cmdFile"));
            QCOMPARE(f.user().dialogsRun(), 1);
        } else if (change == QLatin1String("duplicate typed")) {
            f.click(named<QToolButton>(f.editor(), "cmdDuplica"));
            typeAtEnd(notes, QStringLiteral(" copia"));
        } else if (change == QLatin1String("edits carried into a duplicate")) {
            // The user keeps the stored card as it was; the typed text goes on
            // in the copy and is still unsaved there.
            typeAtEnd(notes, QStringLiteral(" copia"));
            f.user().queueAnswer(Answer::No);
            f.click(named<QToolButton>(f.editor(), "cmdDuplica"));
            QCOMPARE(f.user().messages(),
                question() + onlyMessage(MessageKind::Information, duplicateReady, Buttons::OkCancel));
            QCOMPARE(notes->text(), QStringLiteral("Nota 2 copia"));
        } else if (change == QLatin1String("date set to today")) {
            f.click(named<QToolButton>(f.bookEditor(), "impData"));
        }
        const QStringList shown = f.shownValues();
        const QString position = f.position();
        const QImage photo = f.editor()->photo().image();
        QVERIFY(f.editor()->hasUnsavedChanges());
        const QByteArray archiveBefore = readBytes(f.archivePath());
        f.user().clear();

        f.user().queueAnswer(Answer::Cancel);
        f.click(named<QToolButton>(f.editor(), "cmdAvanti"));
        QCOMPARE(f.user().messages(), question());
        QCOMPARE(f.position(), position);
        QCOMPARE(f.shownValues(), shown);
        QCOMPARE(f.editor()->photo().image(), photo);
        QCOMPARE(readBytes(f.archivePath()), archiveBefore);
    }
};

QTEST_MAIN(TestCardEditor)
#include "tst_cardeditor.moc"
