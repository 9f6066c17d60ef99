#include "gui/attachments/AttachFiles.h"
#include "gui/attachments/TfrmAllegaCartella.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/CauseWords.h"
#include "support/DiskFaults.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString replaceQuestion = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                                               "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString copyFailed
    = QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
const QString nameNotStorable
    = QStringLiteral("Attenzione: il nome del file scelto non può essere memorizzato nella scheda.\r\n\r\nRinominare "
                     "il file con al massimo 250 caratteri, senza simboli speciali, e sceglierlo di nuovo.");

const QStringList editorLabels { QStringLiteral("lblFile01"), QStringLiteral("lblFile02"), QStringLiteral("lblFile03"),
    QStringLiteral("lblDesc01"), QStringLiteral("lblDesc02"), QStringLiteral("lblDesc03") };

QStringList labelTexts(QWidget* editor)
{
    QStringList texts;
    for (const QString& name : editorLabels)
        texts << named<QLabel>(editor, name)->text();
    return texts;
}

} // namespace

class TestAllegaCartella : public ScriptedTestCase {
    Q_OBJECT

private:
    QString program() const { return dir->path(); }
    QString path(const QString& relative) const { return dir->filePath(relative); }
    QString attached(const QString& name) const { return path(QStringLiteral("Documenti_Allegati/") + name); }
    // A file the user may pick, outside the program folder.
    QString chosen(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(path(QStringLiteral("Scrivania")));
        writeBytes(path(QStringLiteral("Scrivania/") + name), bytes);
        return path(QStringLiteral("Scrivania/") + name);
    }

private slots:
    void windowAsDesigned()
    {
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        QCOMPARE(dialog.objectName(), QStringLiteral("frmAllegaCartella"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Allega file"));
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.minimumSize(), QSize(634, 534));
        QCOMPARE(dialog.maximumSize(), QSize(634, 534));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
        QVERIFY(!named<QLabel>(&dialog, QStringLiteral("lblMemory"))->isVisibleTo(&dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QWidget* panel = named<QWidget>(&dialog, QStringLiteral("panSfondo"));
        for (int n = 1; n <= 3; ++n) {
            const QString nn = QStringLiteral("0%1").arg(n);
            auto* slot = named<QWidget>(&dialog, QStringLiteral("panAllegato") + nn);
            QCOMPARE(slot->size(), QSize(577, 113));
            QCOMPARE(slot->mapTo(panel, QPoint(0, 0)).y(), 80 + 120 * (n - 1));
            QVERIFY(!dialog.findChildren<QLabel*>().isEmpty());
            const auto labelled = [&](const QString& text) {
                for (QLabel* label : slot->findChildren<QLabel*>())
                    if (label->text() == text)
                        return label->font().pointSize() == 12;
                return false;
            };
            QVERIFY(labelled(QStringLiteral("Nome %1° file allegato:").arg(n)));
            QVERIFY(labelled(QStringLiteral("Descrizione %1° file allegato:").arg(n)));

            auto* file = named<QLineEdit>(&dialog, QStringLiteral("txtFile") + nn);
            QVERIFY(file->isReadOnly());
            QCOMPARE(file->width(), 338);
            QVERIFY(file->font().bold());
            QCOMPARE(file->palette().color(QPalette::Text), QColor(0x80, 0x80, 0x80));
            auto* eraser = named<QToolButton>(&dialog, QStringLiteral("imgCancella") + nn);
            QCOMPARE(eraser->size(), QSize(22, 22));
            QCOMPARE(eraser->cursor().shape(), Qt::PointingHandCursor);
            auto* browse = named<QPushButton>(&dialog, QStringLiteral("btnSfoglia") + nn);
            QCOMPARE(browse->text(), QStringLiteral("Sfoglia..."));
            QCOMPARE(browse->size(), QSize(86, 28));
            auto* open = named<QPushButton>(&dialog, QStringLiteral("btnApri") + nn);
            QCOMPARE(open->text(), QStringLiteral("Apri"));
            QCOMPARE(open->size(), QSize(86, 28));
            QVERIFY(!open->isEnabled());
            auto* description = named<QLineEdit>(&dialog, QStringLiteral("txtDesc") + nn);
            QCOMPARE(description->width(), 552);
            QVERIFY(description->font().bold());
            QCOMPARE(description->font().pointSize(), 12);
        }
        QCOMPARE(named<QAbstractButton>(&dialog, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        QCOMPARE(named<QAbstractButton>(&dialog, "btnAnnulla")->size(), QSize(126, 32));
        QCOMPARE(named<QAbstractButton>(&dialog, "btnApplica")->text(), QStringLiteral("Applica e chiudi"));
        QCOMPARE(named<QAbstractButton>(&dialog, "btnApplica")->size(), QSize(154, 32));
        // Bottom right, "Applica e chiudi" last.
        QVERIFY(
            named<QAbstractButton>(&dialog, "btnApplica")->x() > named<QAbstractButton>(&dialog, "btnAnnulla")->x());
        QVERIFY(named<QAbstractButton>(&dialog, "btnApplica")->mapTo(&dialog, QPoint(0, 0)).y() > 440);
    }

    // What the editor hands over arrives trimmed; "Apri" follows the name.
    void receivedTextsAreTrimmed()
    {
        user->onDialog([&](QDialog& dialog) {
            auto& frm = static_cast<TfrmAllegaCartella&>(dialog);
            QCOMPARE(named<QLabel>(&frm, "lblMemory")->text(), QStringLiteral("anagrafica"));
            QCOMPARE(named<QLineEdit>(&frm, "txtFile01")->text(), QStringLiteral("contratto.pdf"));
            QCOMPARE(named<QLineEdit>(&frm, "txtFile02")->text(), QString());
            QCOMPARE(named<QLineEdit>(&frm, "txtFile03")->text(), QStringLiteral("liberatoria.doc"));
            QCOMPARE(named<QLineEdit>(&frm, "txtDesc01")->text(), QStringLiteral("Contratto firmato"));
            QCOMPARE(named<QLineEdit>(&frm, "txtDesc02")->text(), QStringLiteral("resta"));
            QCOMPARE(named<QLineEdit>(&frm, "txtDesc03")->text(), QString());
            QVERIFY(named<QPushButton>(&frm, "btnApri01")->isEnabled());
            QVERIFY(!named<QPushButton>(&frm, "btnApri02")->isEnabled());
            QVERIFY(named<QPushButton>(&frm, "btnApri03")->isEnabled());
            named<QAbstractButton>(&frm, "btnAnnulla")->click();
        });
        const auto result = attachFiles(nullptr, program(), ArchiveKind::Registry,
            { QStringLiteral("  contratto.pdf "), QStringLiteral(" \t"), QStringLiteral("liberatoria.doc\n"),
                QStringLiteral(" Contratto firmato "), QStringLiteral("resta  "), QStringLiteral("") });
        QVERIFY(!result);
        QCOMPARE(user->dialogsRun(), 1);
    }

    void browse_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("answer"); // -1: no question
        QTest::addColumn<QString>("slotName");
        QTest::addColumn<QByteArray>("inFolder");
        QTest::addColumn<QString>("warning");

        QTest::newRow("cancelled") << "cancel" << -1 << "vecchio.pdf" << QByteArray() << QString();
        QTest::newRow("new file") << "new" << -1 << "Documento.txt" << QByteArray("scelto") << QString();
        QTest::newRow("same name, replace: Yes")
            << "existing" << 1 << "Documento.txt" << QByteArray("scelto") << QString();
        QTest::newRow("same name, replace: No")
            << "existing" << 0 << "Documento.txt" << QByteArray("in cartella") << QString();
        QTest::newRow("already in the folder: Yes")
            << "own" << 1 << "Documento.txt" << QByteArray("in cartella") << QString();
        QTest::newRow("already in the folder: No")
            << "own" << 0 << "Documento.txt" << QByteArray("in cartella") << QString();
        const QString copyFailedInTheWay = causewords::withCause(copyFailed, causewords::folderInTheWay());
        QTest::newRow("copy fails") << "destination folder" << 1 << "vecchio.pdf" << QByteArray() << copyFailedInTheWay;
        QTest::newRow("folder cannot be made")
            << "blocked" << -1 << "vecchio.pdf" << QByteArray() << copyFailedInTheWay;
        QTest::newRow("name outside the code page")
            << "cyrillic" << -1 << "vecchio.pdf" << QByteArray() << nameNotStorable;
        QTest::newRow("name longer than 250") << "long" << -1 << "vecchio.pdf" << QByteArray() << nameNotStorable;
    }

    void browse()
    {
        QFETCH(QString, scenario);
        QFETCH(int, answer);
        QFETCH(QString, slotName);
        QFETCH(QByteArray, inFolder);
        QFETCH(QString, warning);

        QString source = chosen("Documento.txt", "scelto");
        if (scenario == "existing" || scenario == "own")
            writeBytes((QDir().mkpath(path("Documenti_Allegati")), attached("Documento.txt")), "in cartella");
        if (scenario == "own")
            source = attached("Documento.txt");
        if (scenario == "destination folder")
            QVERIFY(QDir().mkpath(attached("Documento.txt")));
        if (scenario == "blocked")
            writeBytes(path("Documenti_Allegati"), "not a folder");
        if (scenario == "cyrillic")
            source = chosen(QString::fromUtf8("Договор.txt"), "scelto");
        if (scenario == "long")
            source = chosen(QString(247, QLatin1Char('n')) + ".txt", "scelto");
        if (scenario != "cancel")
            user->queueOpenFileName(source);
        if (answer >= 0)
            user->queueAnswer(answer ? Answer::Yes : Answer::No);

        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ "", "vecchio.pdf", "", "", "descrizione", "" });
        QTest::mouseClick(named<QPushButton>(&dialog, "btnSfoglia02"), Qt::LeftButton);

        QCOMPARE(user->openRequests().size(), 1);
        QCOMPARE(user->openRequests()[0].title, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(user->openRequests()[0].filter, QStringLiteral("Tutti i file (*.*)|*.*"));
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile02")->text(), slotName);
        QVERIFY(named<QPushButton>(&dialog, "btnApri02")->isEnabled());
        QCOMPARE(named<QLineEdit>(&dialog, "txtDesc02")->text(), QStringLiteral("descrizione"));
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile01")->text(), QString());

        QList<ScriptedInteraction::Message> expected;
        if (answer >= 0)
            expected.append({ MessageKind::Confirmation, replaceQuestion, Buttons::YesNo });
        if (!warning.isEmpty())
            expected.append({ MessageKind::Warning, warning, Buttons::Ok });
        QCOMPARE(user->messages().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(user->messages()[i].kind, expected[i].kind);
            QCOMPARE(user->messages()[i].text, expected[i].text);
            QCOMPARE(user->messages()[i].buttons, expected[i].buttons);
        }

        if (scenario == QStringLiteral("blocked")) {
            QCOMPARE(readBytes(path(QStringLiteral("Documenti_Allegati"))), QByteArray("not a folder"));
            return;
        }
        if (scenario == QStringLiteral("destination folder")) {
            QVERIFY(QFileInfo(attached(QStringLiteral("Documento.txt"))).isDir());
            return;
        }
        // Nothing but the attached file in the folder: no half copies, no temporaries.
        const QStringList files
            = QDir(path(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, inFolder.isNull() ? QStringList() : QStringList { QStringLiteral("Documento.txt") });
        if (!inFolder.isNull())
            QCOMPARE(readBytes(attached(QStringLiteral("Documento.txt"))), inFolder);
        // The picked file itself is never touched.
        if (scenario != QStringLiteral("own"))
            QCOMPARE(readBytes(source), QByteArray("scelto"));
    }

    // A long copy shows its progress; "Annulla" at any step leaves the slot and
    // the folder as they were, the file already there whole and nothing beside it.
    void longCopyShowsItsProgressAndCanBeStopped_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<int>("cancelAt"); // 0: not cancelled
        for (const bool oldFile : { false, true }) {
            const char* file = oldFile ? "replacing a file" : "new file";
            QTest::addRow("%s, copied", file) << oldFile << 0;
            QTest::addRow("%s, stopped at once", file) << oldFile << 1;
            QTest::addRow("%s, stopped half-way", file) << oldFile << 4;
            QTest::addRow("%s, stopped at the last step", file) << oldFile << 7;
        }
    }
    void longCopyShowsItsProgressAndCanBeStopped()
    {
        QFETCH(bool, oldFile);
        QFETCH(int, cancelAt);
        QByteArray bytes(6 * 1024 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 % 251);
        const QString source = chosen("Servizio.mov", bytes);
        const QByteArray previous("il video allegato ieri");
        if (oldFile) {
            QVERIFY(QDir().mkpath(path("Documenti_Allegati")));
            writeBytes(attached("Servizio.mov"), previous);
        }
        user->queueOpenFileName(source);
        if (cancelAt > 0)
            user->cancelWorkAt(cancelAt);

        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ "", "vecchio.pdf", "", "", "descrizione", "" });
        QTest::mouseClick(named<QPushButton>(&dialog, "btnSfoglia02"), Qt::LeftButton);

        // One work over the file's bytes, a step before the first megabyte and
        // after each.
        QCOMPARE(user->works().size(), 1);
        const ScriptedInteraction::Work& work = user->works().first();
        QCOMPARE(work.labels, QStringList { QStringLiteral("Copia del file in corso...") });
        QCOMPARE(work.maximum, qint64(bytes.size()));
        QCOMPARE(work.cancelled, cancelAt > 0);
        QCOMPARE(work.advances, cancelAt > 0 ? cancelAt : 7);
        QCOMPARE(work.done, cancelAt > 0 ? qint64(cancelAt - 1) << 20 : qint64(bytes.size()));

        const bool copied = cancelAt == 0;
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile02")->text(),
            copied ? QStringLiteral("Servizio.mov") : QStringLiteral("vecchio.pdf"));
        QCOMPARE(user->messageTexts(), oldFile ? QStringList { replaceQuestion } : QStringList());
        QCOMPARE(QDir(path(QStringLiteral("Documenti_Allegati")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            copied || oldFile ? QStringList { QStringLiteral("Servizio.mov") } : QStringList());
        if (copied || oldFile)
            QCOMPARE(readBytes(attached(QStringLiteral("Servizio.mov"))), copied ? bytes : previous);
    }

    void aFullDiskKeepsTheAttachedFile_data() { addDiskFaultRows(); }
    void aFullDiskKeepsTheAttachedFile()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        const QString folder = disk.path() + QStringLiteral("/Documenti_Allegati");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray previous("il contratto allegato ieri");
        writeBytes(folder + QStringLiteral("/Documento.txt"), previous);
        // Larger than the page a full disk may have left.
        user->queueOpenFileName(chosen("Documento.txt", QByteArray(9000, 'n')));
        user->queueAnswer(Answer::Yes);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

        TfrmAllegaCartella dialog(disk.path(), ArchiveKind::Registry);
        dialog.setAttachments({ "", "vecchio.pdf", "", "", "descrizione", "" });
        QTest::mouseClick(named<QPushButton>(&dialog, "btnSfoglia02"), Qt::LeftButton);
        disk.lift();

        QCOMPARE(user->messageTexts(),
            (QStringList { replaceQuestion, causewords::withCause(copyFailed, diskFaultWords(fault)) }));
        QCOMPARE(user->messages().constLast().kind, MessageKind::Warning);
        // The card keeps pointing at what it had; the folder keeps the old file whole.
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile02")->text(), QStringLiteral("vecchio.pdf"));
        QCOMPARE(readBytes(folder + QStringLiteral("/Documento.txt")), previous);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("Documento.txt") });
    }

    // A card read from an archive may name anything; only a file of the
    // attachments folder is an attachment (every such name: tst_cardnames).
    void namesLeadingOutOfTheFolderHaveNothingToOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("the password store") << "../unins000.dll";
        QTest::newRow("down and out again") << "a/../../../fuori.jpg";
        QTest::newRow("backslashes") << "..\\..\\fuori.jpg";
        QTest::newRow("the parent folder") << " .. ";
    }
    void namesLeadingOutOfTheFolderHaveNothingToOpen()
    {
        QFETCH(QString, name);
        writeBytes(path("unins000.dll"), "[Accesso]\r\nValore=6C\r\n");
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ name, "", "", "Contratto", "", "" });
        QVERIFY(!named<QPushButton>(&dialog, "btnApri01")->isEnabled());
        QTest::mouseClick(named<QPushButton>(&dialog, "btnApri01"), Qt::LeftButton);
        QVERIFY(user->openedFiles().isEmpty());
        // The card keeps its text as it was: nothing of it is lost by looking.
        QCOMPARE(dialog.attachments().constFirst(), name.trimmed());
    }

    void apriOpensTheAttachedFile()
    {
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ "", "", " Contratto firmato.pdf ", "", "", "" });
        QTest::mouseClick(named<QPushButton>(&dialog, "btnApri03"), Qt::LeftButton);
        // A missing file is handed over all the same: the desktop has the last word.
        QCOMPARE(user->openedFiles(), QStringList { attached("Contratto firmato.pdf") });
        QVERIFY(user->messages().isEmpty());
    }

    void eraserEmptiesTheNameOnly()
    {
        const QByteArray bytes("resta nella cartella");
        QDir().mkpath(path("Documenti_Allegati"));
        writeBytes(attached("contratto.pdf"), bytes);
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ "contratto.pdf", "", "", "Contratto", "", "" });
        QVERIFY(named<QPushButton>(&dialog, "btnApri01")->isEnabled());
        QTest::mouseClick(named<QToolButton>(&dialog, "imgCancella01"), Qt::LeftButton);
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile01")->text(), QString());
        QVERIFY(!named<QPushButton>(&dialog, "btnApri01")->isEnabled());
        QCOMPARE(named<QLineEdit>(&dialog, "txtDesc01")->text(), QStringLiteral("Contratto"));
        QCOMPARE(readBytes(attached("contratto.pdf")), bytes);
        QCOMPARE(dialog.attachments(), (QStringList { "", "", "", "Contratto", "", "" }));
    }

    // Apply hands the slots back to the editor the dialog was made for; its
    // memory label shows that editor's words and decides nothing.
    void applyAnswersItsOwnEditor_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("written");
        QTest::newRow("registry") << ArchiveKind::Registry << "anagrafica"
                                  << "anagrafica";
        QTest::newRow("men's book") << ArchiveKind::MenBook << "bookuomini"
                                    << "bookuomini";
        QTest::newRow("women's book, other words written") << ArchiveKind::WomenBook << "bookdonne"
                                                           << "Anagrafica";
        QTest::newRow("registry, label emptied") << ArchiveKind::Registry << "anagrafica"
                                                 << "";
    }

    void applyAnswersItsOwnEditor()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, shown);
        QFETCH(QString, written);
        TfrmAllegaCartella dialog(program(), kind);
        QCOMPARE(named<QLabel>(&dialog, "lblMemory")->text(), shown);
        named<QLabel>(&dialog, "lblMemory")->setText(written);
        dialog.setAttachments({ "a.pdf", "", "", "uno", "", "" });
        named<QLineEdit>(&dialog, "txtDesc02")->setText("  due  ");
        dialog.show();
        QTest::mouseClick(named<QAbstractButton>(&dialog, "btnApplica"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.appliedAttachments());
        QCOMPARE(*dialog.appliedAttachments(), (QStringList { "a.pdf", "", "", "uno", "due", "" }));
    }

    void editorsTakeBackWhatIsApplied_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("apply");
        QTest::newRow("registry, applied") << ArchiveKind::Registry << "anagrafica" << true;
        QTest::newRow("registry, cancelled") << ArchiveKind::Registry << "anagrafica" << false;
        QTest::newRow("men's book, applied") << ArchiveKind::MenBook << "bookuomini" << true;
        QTest::newRow("women's book, applied") << ArchiveKind::WomenBook << "bookdonne" << true;
        QTest::newRow("women's book, cancelled") << ArchiveKind::WomenBook << "bookdonne" << false;
    }

    void editorsTakeBackWhatIsApplied()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, marker);
        QFETCH(bool, apply);
        const std::unique_ptr<CardEditor> editor = makeEditor(kind, program());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        const QStringList before { " contratto.pdf", "", "foto.jpg ", " Contratto", "vuoto", "" };
        for (int i = 0; i < editorLabels.size(); ++i)
            named<QLabel>(editor.get(), editorLabels[i])->setText(before[i]);

        const QString source = chosen("liberatoria.doc", "firmata");
        user->queueOpenFileName(source);
        user->onDialog([&](QDialog& dialog) {
            auto* frm = qobject_cast<TfrmAllegaCartella*>(&dialog);
            QVERIFY(frm);
            QCOMPARE(frm->parent(), editor.get());
            QCOMPARE(named<QLabel>(frm, "lblMemory")->text(), marker);
            QCOMPARE(frm->attachments(), (QStringList { "contratto.pdf", "", "foto.jpg", "Contratto", "vuoto", "" }));
            QTest::mouseClick(named<QPushButton>(frm, "btnSfoglia02"), Qt::LeftButton);
            named<QLineEdit>(frm, "txtDesc02")->selectAll();
            QTest::keyClicks(named<QLineEdit>(frm, "txtDesc02"), "  Liberatoria firmata ");
            QTest::mouseClick(named<QToolButton>(frm, "imgCancella03"), Qt::LeftButton);
            QTest::mouseClick(
                apply ? named<QAbstractButton>(frm, "btnApplica") : named<QAbstractButton>(frm, "btnAnnulla"),
                Qt::LeftButton);
            QVERIFY(!frm->isVisible());
        });
        QTest::mouseClick(named<QToolButton>(editor, "cmdFile"), Qt::LeftButton);

        QCOMPARE(user->dialogClasses(), QStringList { "lumidex::TfrmAllegaCartella" });
        if (apply)
            QCOMPARE(labelTexts(editor.get()),
                (QStringList { "contratto.pdf", "liberatoria.doc", "", "Contratto", "Liberatoria firmata", "" }));
        else
            QCOMPARE(labelTexts(editor.get()), before);
        // The copy stays in the folder either way.
        QCOMPARE(readBytes(attached("liberatoria.doc")), QByteArray("firmata"));
        QVERIFY(editor->findChildren<TfrmAllegaCartella*>().isEmpty());
    }

    // Applied, saved, left and found again: the card keeps its attachments.
    void appliedAttachmentsAreSavedWithTheCard()
    {
        TfrmAnagrafica editor(program());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        named<QLineEdit>(&editor, QStringLiteral("txtNome"))->setText(QStringLiteral("Giulia Bianchi"));
        named<QLineEdit>(&editor, QStringLiteral("txtSesso"))->setText(QStringLiteral("F"));
        named<QLineEdit>(&editor, QStringLiteral("txtCittadinanza"))->setText(QStringLiteral("Italiana"));

        const QByteArray bytes = QByteArray("%PDF-1.4 contratto\n") + QByteArray(5000, '\x7f');
        user->queueOpenFileName(chosen(QStringLiteral("Contratto 2024.pdf"), bytes));
        user->onDialog([&](QDialog& dialog) {
            auto& frm = static_cast<TfrmAllegaCartella&>(dialog);
            QTest::mouseClick(named<QPushButton>(&frm, "btnSfoglia01"), Qt::LeftButton);
            named<QLineEdit>(&frm, "txtDesc01")->setText(QString::fromUtf8("Contratto d'agenzia, più clausole"));
            QTest::mouseClick(named<QAbstractButton>(&frm, "btnApplica"), Qt::LeftButton);
        });
        QTest::mouseClick(named<QToolButton>(&editor, "cmdFile"), Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(&editor, "cmdSalva"), Qt::LeftButton);
        QCOMPARE(named<QLabel>(&editor, "lblPosizione")->text(), QStringLiteral("1"));

        const QStringList stored = Archive(programfolder::registryArchivePath(program()), layouts::registry).read(1);
        QCOMPARE(stored.mid(26),
            (QStringList { QStringLiteral("Contratto 2024.pdf"), QStringLiteral(""), QStringLiteral(""),
                QString::fromUtf8("Contratto d'agenzia, più clausole"), QStringLiteral(""), QStringLiteral("") }));

        QTest::mouseClick(named<QToolButton>(&editor, "cmdNuovo"), Qt::LeftButton);
        QCOMPARE(labelTexts(&editor), QStringList(6));
        QTest::mouseClick(named<QToolButton>(&editor, "cmdPrimo"), Qt::LeftButton);
        user->clear();
        user->onDialog([&](QDialog& dialog) {
            auto& frm = static_cast<TfrmAllegaCartella&>(dialog);
            QCOMPARE(named<QLineEdit>(&frm, "txtFile01")->text(), QStringLiteral("Contratto 2024.pdf"));
            QVERIFY(named<QPushButton>(&frm, "btnApri01")->isEnabled());
            QTest::mouseClick(named<QPushButton>(&frm, "btnApri01"), Qt::LeftButton);
            QTest::mouseClick(named<QAbstractButton>(&frm, "btnAnnulla"), Qt::LeftButton);
        });
        QTest::mouseClick(named<QToolButton>(&editor, "cmdFile"), Qt::LeftButton);
        QCOMPARE(user->openedFiles(), QStringList { attached("Contratto 2024.pdf") });
        QCOMPARE(readBytes(attached("Contratto 2024.pdf")), bytes);
    }

    // A description is saved into a record field of 250 bytes in the archive's
    // code page: it takes no more than that, and the letters that field holds.
    void descriptionsTakeWhatTheRecordHolds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("notice");
        const QString replacedS = QString::fromUtf8(
            "Il carattere «Ş» non può essere memorizzato nella scheda ed è stato sostituito con «S».");
        QTest::newRow("typed") << "typed" << QString::fromUtf8("Ş") << "S" << replacedS;
        QTest::newRow("pasted") << "pasted" << QString::fromUtf8("Liberatoria Ştefănescu 😀")
                                << "Liberatoria Stefanescu "
                                << replacedS
                + QString::fromUtf8(" Il carattere «ă» non può essere memorizzato nella scheda ed è stato "
                                    "sostituito con «a». Il carattere «😀» non può essere memorizzato nella scheda.");
        QTest::newRow("pasted, too long")
            << "pasted" << QString(300, QLatin1Char('x')) << QString(250, QLatin1Char('x')) << QString();
        // What the length cuts off is not told of.
        QTest::newRow("pasted, cut before the letter")
            << "pasted" << QString(250, QLatin1Char('x')) + QString::fromUtf8("Ş") << QString(250, QLatin1Char('x'))
            << QString();
    }
    void descriptionsTakeWhatTheRecordHolds()
    {
        QFETCH(QString, how);
        QFETCH(QString, arriving);
        QFETCH(QString, shown);
        QFETCH(QString, notice);
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QLineEdit* description : { named<QLineEdit>(&dialog, "txtDesc01"), named<QLineEdit>(&dialog, "txtDesc02"),
                 named<QLineEdit>(&dialog, "txtDesc03") }) {
            QCOMPARE(description->maxLength(), 250);
            named<QLabel>(&dialog, "panInfo")->clear();
            named<QLabel>(&dialog, "panInfo")->setToolTip({});
            if (how == QLatin1String("typed")) {
                description->setFocus();
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, arriving);
                QApplication::sendEvent(description, &key);
            } else {
                paste(description, arriving);
            }
            QCOMPARE(description->text(), shown);
            const QLabel* line = named<QLabel>(&dialog, "panInfo");
            QCOMPARE(line->toolTip().isEmpty() ? line->text() : line->toolTip(), notice);
        }
        QCOMPARE(dialog.attachments().mid(3), QStringList(3, shown.trimmed()));
    }

    // "Apri" tells the user when nothing opened the file, and why.
    void openSaysWhenNothingOpensTheFile_data()
    {
        QTest::addColumn<bool>("inFolder");
        QTest::addColumn<QString>("message");
        QTest::newRow("no application") << true
                                        << QString::fromUtf8("Attenzione: nel sistema non è installata nessuna "
                                                             "applicazione in grado di aprire il file «foto.xyz»."
                                                             "\r\n\r\nInstallare un programma adatto a questo tipo di "
                                                             "file; il file resta allegato alla scheda.");
        QTest::newRow("file gone") << false
                                   << QString::fromUtf8("Attenzione: il file «foto.xyz» non è presente nella cartella "
                                                        "dei documenti allegati.\r\n\r\nPer allegarlo di nuovo "
                                                        "premere il pulsante Sfoglia... e sceglierlo.");
    }
    void openSaysWhenNothingOpensTheFile()
    {
        QFETCH(bool, inFolder);
        QFETCH(QString, message);
        if (inFolder) {
            QDir().mkpath(path("Documenti_Allegati"));
            writeBytes(attached("foto.xyz"), "dati");
        }
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        dialog.setAttachments({ "foto.xyz", "", "", "", "", "" });
        user->refuseOpens();
        QTest::mouseClick(named<QPushButton>(&dialog, "btnApri01"), Qt::LeftButton);
        QCOMPARE(user->openedFiles(), QStringList { attached("foto.xyz") });
        QCOMPARE(user->messages(), onlyMessage(MessageKind::Warning, message, Buttons::Ok));
        // The slot keeps its file.
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile01")->text(), QStringLiteral("foto.xyz"));
    }

    // "Sfoglia" opens where the user last found a file to attach.
    void browseOpensInTheFolderLastUsed()
    {
        QDir().mkpath(path("Lavori/2024"));
        writeBytes(path("Lavori/2024/liberatoria.pdf"), "pdf");
        TfrmAllegaCartella dialog(program(), ArchiveKind::Registry);
        user->queueOpenFileName(path("Lavori/2024/liberatoria.pdf"));
        QTest::mouseClick(named<QPushButton>(&dialog, "btnSfoglia01"), Qt::LeftButton);
        QCOMPARE(named<QLineEdit>(&dialog, "txtFile01")->text(), QStringLiteral("liberatoria.pdf"));
        // A cancelled choice leaves the folder as it was.
        QTest::mouseClick(named<QPushButton>(&dialog, "btnSfoglia02"), Qt::LeftButton);
        TfrmAllegaCartella later(program(), ArchiveKind::Registry);
        QTest::mouseClick(named<QPushButton>(&later, "btnSfoglia03"), Qt::LeftButton);
        QCOMPARE(user->openRequests().size(), 3);
        QCOMPARE(user->openRequests()[1].directory, path(QStringLiteral("Lavori/2024")));
        QCOMPARE(user->openRequests()[2].directory, path(QStringLiteral("Lavori/2024")));
    }
};

QTEST_MAIN(TestAllegaCartella)
#include "tst_allegacartella.moc"
