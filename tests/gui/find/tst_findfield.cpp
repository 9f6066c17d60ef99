#include "gui/editor/CardEditor.h"
#include "storage/Archive.h"
#include "storage/RecordLayout.h"
#include "support/CauseWords.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <fcntl.h>

using namespace lumidex;
using namespace lumidex::test;

namespace {

QLineEdit* findField(const EditorFixture& f)
{
    return f.editor()->findChild<QLineEdit*>(QStringLiteral("txtTrovaAlVolo"));
}

QWidget* findList(const EditorFixture& f)
{
    return f.editor()->findChild<QWidget*>(QStringLiteral("panTrovaAlVolo"));
}

QString countText(const EditorFixture& f)
{
    return f.editor()->findChild<QLabel*>(QStringLiteral("lblTrovaAlVolo"))->text();
}

QListView* listView(const EditorFixture& f)
{
    return f.editor()->findChild<QListView*>(QStringLiteral("lstTrovaAlVolo"));
}

QStringList listedLines(const EditorFixture& f)
{
    QStringList lines;
    const QAbstractItemModel* model = listView(f)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

int currentRow(const EditorFixture& f)
{
    const QModelIndex current = listView(f)->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The record of `position` of the fixture with its own name (a book's title),
// town (a book's location) and mobile (a book's date).
QStringList cardWith(
    const EditorFixture& f, int position, const QString& name, const QString& town, const QString& mobileOrDate)
{
    QStringList values = f.record(position);
    const bool registry = f.kind() == ArchiveKind::Registry;
    values[f.layout().indexOf(registry ? "Nome" : "Titolo")] = name;
    values[f.layout().indexOf(registry ? "LuogoNasc" : "Location")] = town;
    values[f.layout().indexOf(registry ? "Cellulare" : "Data")] = mobileOrDate;
    return values;
}

// The user comes to the field with Ctrl+K and types `text` a key at a time.
void typeInField(const EditorFixture& f, const QString& text)
{
    QLineEdit* field = findField(f);
    if (!field->hasFocus()) {
        QTest::keyClick(f.editor(), Qt::Key_K, Qt::ControlModifier);
        QTRY_VERIFY(field->hasFocus());
    }
    QTest::keyClicks(field, text);
}

// Another program saves the card of `position` under `name`: for the
// registry the archive worker (tests/core/storage/archive_worker.cpp), for a
// book a save of the storage layer from outside the editor.
void savedElsewhere(const EditorFixture& f, int position, const QString& name)
{
    if (f.kind() == ArchiveKind::Registry) {
        QProcess worker;
        worker.start(QStringLiteral(ARCHIVE_WORKER_PATH),
            { QStringLiteral("write"), f.archivePath(), QString::number(position), name });
        QVERIFY(worker.waitForFinished(30000));
        QCOMPARE(worker.exitCode(), 0);
        return;
    }
    QStringList values = f.record(position);
    values[0] = name;
    Archive(f.archivePath(), f.layout()).write(position, values);
}

} // namespace

// The find field of every card editor: where it is, what it lists as the
// user types, how the keys and the mouse open a card, and how it keeps up
// with an archive that other programs change.
class TestFindField : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Archive::setDefaultLockTimeout(Archive::lockTimeoutMs); }

    void theFieldStandsWholeAtTheRightOfTheHeading_data() { addKindRows(); }
    void theFieldStandsWholeAtTheRightOfTheHeading()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        QLineEdit* field = findField(f);
        QVERIFY(field);
        QCOMPARE(field->placeholderText(), QStringLiteral("Trova…"));
        QCOMPARE(field->toolTip(), QStringLiteral("Trova una scheda mentre scrivi (Ctrl+K)"));
        QVERIFY(!findList(f)->isVisible());

        auto* heading = f.editor()->findChild<QLabel*>(
            kind == ArchiveKind::Registry ? QStringLiteral("imgTitolo") : QStringLiteral("lblNome"));
        QVERIFY(heading);
        QWidget* panel = f.editor()->panel();
        const QRect fieldArea(field->mapTo(panel, QPoint(0, 0)), field->size());
        const QRect headingArea(heading->mapTo(panel, QPoint(0, 0)), heading->size());
        // On the heading's row, after it, and nothing of either is cut off.
        QVERIFY(fieldArea.center().y() > headingArea.top() && fieldArea.center().y() < headingArea.bottom());
        QVERIFY(headingArea.right() < fieldArea.left());
        QVERIFY(panel->rect().contains(fieldArea));
        QCOMPARE(field->visibleRegion().boundingRect(), field->rect());
        if (kind == ArchiveKind::Registry)
            QVERIFY(heading->width() >= heading->pixmap().deviceIndependentSize().width());
        // The card's fields start under the heading row.
        const QRect first(f.firstField()->mapTo(panel, QPoint(0, 0)), f.firstField()->size());
        QVERIFY(first.top() > fieldArea.bottom());
    }

    void typingListsTheCardsThatAnswer_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("lines");
        for (ArchiveKind kind : editorKinds()) {
            const bool registry = kind == ArchiveKind::Registry;
            const auto row = [&](const char* name, const char* typed, const char* count, QStringList lines) {
                QTest::addRow("%s: %s", kindName(kind), name)
                    << kind << QString::fromUtf8(typed) << QString::fromUtf8(count) << lines;
            };
            const QString niccolo = registry ? QStringLiteral("Niccolò Bianchi · Forlì · +39 333 123 4567")
                                             : QStringLiteral("Niccolò Bianchi · 01/02/2023 · Forlì");
            const QString oyvind = registry ? QStringLiteral("Øyvind Hansen · Bergen · 0039 333.123.4567")
                                            : QStringLiteral("Øyvind Hansen · 03/04/2023 · Bergen");
            const QString anna = registry ? QStringLiteral("Anna D'Angelo · Roma · 333-765-4321")
                                          : QStringLiteral("Anna D'Angelo · 05/06/2024 · Roma");
            row("one card", "NICCOLO", "1 scheda", { niccolo });
            row("two words either way", "hansen OYV", "1 scheda", { oyvind });
            row("elision", "dang", "1 scheda", { anna });
            row("a name before a town", "b", "2 schede", { niccolo, oyvind });
            row("none", "zzz", "Nessuna scheda", {});
            if (registry)
                row("a phone number", "3331234567", "2 schede", { niccolo, oyvind });
            else
                row("a year", "2023", "2 schede", { niccolo, oyvind });
        }
    }
    void typingListsTheCardsThatAnswer()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, count);
        QFETCH(QStringList, lines);
        EditorFixture f(kind);
        const bool registry = kind == ArchiveKind::Registry;
        f.append(cardWith(f, 1, QStringLiteral("Niccolò Bianchi"), QStringLiteral("Forlì"),
            registry ? QStringLiteral("+39 333 123 4567") : QStringLiteral("01/02/2023")));
        f.append(cardWith(f, 2, QStringLiteral("Øyvind Hansen"), QStringLiteral("Bergen"),
            registry ? QStringLiteral("0039 333.123.4567") : QStringLiteral("03/04/2023")));
        f.append(cardWith(f, 3, QStringLiteral("Anna D'Angelo"), QStringLiteral("Roma"),
            registry ? QStringLiteral("333-765-4321") : QStringLiteral("05/06/2024")));
        typeInField(f, typed);
        QTRY_COMPARE(countText(f), count);
        QCOMPARE(listedLines(f), lines);
        QVERIFY(findList(f)->isVisible());
        QCOMPARE(listView(f)->isVisible(), !lines.isEmpty());
        QVERIFY(findField(f)->hasFocus());
        QVERIFY(f.user().messages().isEmpty());
    }

    // Ctrl+K, a few letters, Down and Enter open the card as a card chosen in
    // the search; Esc closes the list, and a second Esc empties the field.
    void theKeyboardFindsAndOpensACard_data() { addKindRows(); }
    void theKeyboardFindsAndOpensACard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        // "3" begins no other word of the three cards (a book's date is 2023).
        typeInField(f, f.record(3).at(0));
        QTRY_COMPARE(countText(f), QStringLiteral("1 scheda"));
        QCOMPARE(currentRow(f), -1);
        QTest::keyClick(findField(f), Qt::Key_Down);
        QCOMPARE(currentRow(f), 0);
        QTest::keyClick(findField(f), Qt::Key_Return);
        QCOMPARE(f.position(), QStringLiteral("3"));
        QCOMPARE(f.shownValues(), f.record(3));
        QVERIFY(!f.editor()->hasUnsavedChanges());
        QVERIFY(!findList(f)->isVisible());
        QVERIFY(f.user().messages().isEmpty());
        QVERIFY(findField(f)->hasFocus());

        QTest::keyClicks(findField(f), QStringLiteral("Nota"));
        QTRY_VERIFY(findList(f)->isVisible());
        QTest::keyClick(findField(f), Qt::Key_Escape);
        QVERIFY(!findList(f)->isVisible());
        QCOMPARE(findField(f)->text(), QStringLiteral("Nota"));
        QTest::keyClick(findField(f), Qt::Key_Escape);
        QCOMPARE(findField(f)->text(), QString());
        QVERIFY(!findList(f)->isVisible());
        // The card stays as it was opened.
        QCOMPARE(f.position(), QStringLiteral("3"));
    }

    void enterWithoutAChoiceOpensTheFirstCard_data() { addKindRows(); }
    void enterWithoutAChoiceOpensTheFirstCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        // Every card's name begins with the same word; the first listed is the first card.
        typeInField(f, f.record(1).at(0).section(QLatin1Char(' '), 0, 0));
        QTRY_COMPARE(countText(f), QStringLiteral("3 schede"));
        QCOMPARE(currentRow(f), -1);
        QTest::keyClick(findField(f), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.shownValues(), f.record(1));
    }

    void upAndDownStayWithinTheList_data() { addKindRows(); }
    void upAndDownStayWithinTheList()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        // Every card's name begins with the same word.
        typeInField(f, f.record(1).at(0).section(QLatin1Char(' '), 0, 0));
        QTRY_COMPARE(countText(f), QStringLiteral("3 schede"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(findField(f), Qt::Key_Down);
        QCOMPARE(currentRow(f), 2);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(findField(f), Qt::Key_Up);
        QCOMPARE(currentRow(f), 0);
        QTest::keyClick(findField(f), Qt::Key_Down);
        QTest::keyClick(findField(f), Qt::Key_Return);
        QCOMPARE(f.position(), QStringLiteral("2"));
    }

    void aClickOnALineOpensItsCard_data() { addKindRows(); }
    void aClickOnALineOpensItsCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        typeInField(f, f.record(1).at(0).section(QLatin1Char(' '), 0, 0));
        QTRY_COMPARE(countText(f), QStringLiteral("3 schede"));
        QListView* list = listView(f);
        const QRect third = list->visualRect(list->model()->index(2, 0));
        QVERIFY(list->viewport()->rect().contains(third));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(f.position(), QStringLiteral("3"));
        QCOMPARE(f.shownValues(), f.record(3));
        QVERIFY(!findList(f)->isVisible());
        // The typing goes on in the field.
        QVERIFY(findField(f)->hasFocus());
    }

    void theListClosesWhenTheUserGoesToTheCard_data() { addKindRows(); }
    void theListClosesWhenTheUserGoesToTheCard()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        typeInField(f, f.record(1).at(0));
        QTRY_COMPARE(countText(f), QStringLiteral("1 scheda"));
        QVERIFY(findList(f)->isVisible());
        QTest::mouseClick(f.firstField(), Qt::LeftButton);
        QVERIFY(f.firstField()->hasFocus());
        QVERIFY(!findList(f)->isVisible());
        // Back to the field: the list of what it holds comes back.
        typeInField(f, QString());
        QVERIFY(findList(f)->isVisible());
        QCOMPARE(countText(f), QStringLiteral("1 scheda"));
    }

    // While another program keeps the archive the index waits for it: the
    // list says so, and shows the cards as soon as the archive is free.
    void typingBeforeTheIndexIsReadyShowsPreparing_data() { addKindRows(); }
    void typingBeforeTheIndexIsReadyShowsPreparing()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        QFile other(f.archivePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        struct flock region = {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        QCOMPARE(::fcntl(other.handle(), F_OFD_SETLK, &region), 0);

        typeInField(f, f.record(1).at(0).section(QLatin1Char(' '), 0, 0));
        QCOMPARE(countText(f), QStringLiteral("Preparazione…"));
        QVERIFY(findList(f)->isVisible());
        QVERIFY(listedLines(f).isEmpty());
        QTest::qWait(200);
        QCOMPARE(countText(f), QStringLiteral("Preparazione…"));

        other.close();
        QTRY_COMPARE(countText(f), QStringLiteral("3 schede"));
        QCOMPARE(listedLines(f).size(), 3);
        QVERIFY(f.user().messages().isEmpty());
    }

    // A card saved from another program between two keys is found at the
    // second: the archive is looked at before every list.
    void aCardSavedElsewhereBetweenTwoKeysIsFound_data() { addKindRows(); }
    void aCardSavedElsewhereBetweenTwoKeysIsFound()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        typeInField(f, QStringLiteral("Ottavi"));
        QTRY_COMPARE(countText(f), QStringLiteral("Nessuna scheda"));
        savedElsewhere(f, 2, QStringLiteral("Ottavia Zanetti"));
        QTest::keyClicks(findField(f), QStringLiteral("a"));
        QTRY_COMPARE(countText(f), QStringLiteral("1 scheda"));
        QCOMPARE(listedLines(f).size(), 1);
        QVERIFY(listedLines(f).constFirst().startsWith(QStringLiteral("Ottavia Zanetti")));
        QTest::keyClick(findField(f), Qt::Key_Return);
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.firstField()->text(), QStringLiteral("Ottavia Zanetti"));
    }

    // The list was made before another program saved over the card: Enter
    // does not open a card the user did not see listed; the list is made again.
    void aCardChangedSinceItWasListedIsNotOpened_data() { addKindRows(); }
    void aCardChangedSinceItWasListedIsNotOpened()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(3);
        typeInField(f, f.record(3).at(0));
        QTRY_COMPARE(countText(f), QStringLiteral("1 scheda"));
        savedElsewhere(f, 3, QStringLiteral("Ottavia Zanetti"));
        QTest::keyClick(findField(f), Qt::Key_Return);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.firstField()->text(), QString());
        QTRY_COMPARE(countText(f), QStringLiteral("Nessuna scheda"));
        QVERIFY(findList(f)->isVisible());
        QVERIFY(f.user().messages().isEmpty());
    }

    // An archive that cannot be read says so in the list, without a message
    // box at every key; once it can be read, the cards are listed.
    void anArchiveThatCannotBeReadIsToldInTheList_data() { addKindRows(); }
    void anArchiveThatCannotBeReadIsToldInTheList()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        QVERIFY(QDir().mkdir(f.archivePath()));
        typeInField(f, QStringLiteral("Per"));
        QTRY_COMPARE(countText(f), QStringLiteral("Impossibile leggere l'archivio.\n") + causewords::folderInTheWay());
        QVERIFY(listedLines(f).isEmpty());
        QVERIFY(f.user().messages().isEmpty());

        QVERIFY(QDir().rmdir(f.archivePath()));
        f.seed(2);
        QTest::keyClicks(findField(f), QStringLiteral("s"));
        QTRY_COMPARE(countText(f),
            kind == ArchiveKind::Registry ? QStringLiteral("2 schede") : QStringLiteral("Nessuna scheda"));
    }
};

QTEST_MAIN(TestFindField)
#include "tst_findfield.moc"
