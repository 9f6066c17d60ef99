#include "registry/TfrmAnagrafica.h"
#include "registry/checks/CheckWindow.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString archiveName = QStringLiteral("Archivio_Anagrafico.pro");

QStringList storedCard()
{
    QStringList values;
    for (int i = 0; i < layouts::registry.fieldCount(); ++i)
        values << QString();
    values[0] = QStringLiteral("Anna Rossi");
    values[1] = QStringLiteral("f");
    values[3] = QStringLiteral("Italiana");
    values[6] = QStringLiteral("rssnna80a41h501x");
    values[8] = QStringLiteral("Anna.Rossi@Example.it");
    values[13] = QStringLiteral("1234567890a");
    values[14] = QStringLiteral("it60 x054 2811 1010");
    return values;
}

QByteArray encodeBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

// The aids of the registry card: what the fields let the user type, the buttons
// beside them, and the copy of the photo to a file of the user's choice.
class TestRegistryAids : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;
    std::unique_ptr<TfrmAnagrafica> editor;

    QLineEdit* edit(const QString& name) const { return named<QLineEdit>(editor.get(), name); }
    QToolButton* button(const QString& name) const { return named<QToolButton>(editor.get(), name); }
    void click(QToolButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }
    QString photoPath(int position) const
    {
        return dir->filePath(QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(position));
    }
    // One stored card whose photo file holds `photo`.
    void storeCardWithPhoto(const QByteArray& photo)
    {
        Archive(dir->filePath(archiveName), layouts::registry).append(storedCard());
        QDir(dir->path()).mkpath(QStringLiteral("Anagrafica"));
        writeBytes(photoPath(1), photo);
    }
    void focusOn(QLineEdit* field) const
    {
        editor->activateWindow();
        field->setFocus(Qt::OtherFocusReason);
        QVERIFY(field->hasFocus());
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        user = std::make_unique<ScriptedInteraction>();
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }

    void cleanup()
    {
        closeModalLeftovers();
        editor.reset();
        user.reset();
        dir.reset();
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
        storeCardWithPhoto(encodeJpeg(markedImage(QSize(30, 40), Qt::red)));
        const QStringList stored = storedCard();
        const auto shownAsStored = [&] {
            for (int i : { 0, 1, 6, 8, 13, 14 }) {
                QCOMPARE(editor->field(i)->text(), stored.at(i));
                // Read from the start, however long the text.
                QCOMPARE(editor->field(i)->cursorPosition(), 0);
            }
        };
        click(editor->cmdPrimo);
        shownAsStored();
        click(editor->cmdNuovo);
        click(editor->cmdAvanti);
        shownAsStored();
        // The search window puts its card on screen the same way.
        editor->showRecord(1, stored);
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
        user->onDialog([&](QDialog& dialog) {
            seen = named<QLineEdit>(&dialog, field)->text();
            owner = dialog.parentWidget();
            // Whatever happens in the check window stays there.
            named<QLineEdit>(&dialog, field)->setText(QStringLiteral("ZZZ"));
            named<QPushButton>(&dialog, QStringLiteral("btnChiudi"))->click();
        });
        click(editor->btnCodFisc);
        QCOMPARE(user->dialogClasses(), QStringList { window });
        QCOMPARE(seen, handed);
        QCOMPARE(owner, editor.get());
        QCOMPARE(edit(QStringLiteral("txtCodFisc"))->text(), content);
        QVERIFY(editor->findChildren<CheckWindow*>().isEmpty());
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
        user->onDialog([&](QDialog& dialog) { seen = named<QLineEdit>(&dialog, fieldName)->text(); });
        click(button(buttonName));
        click(button(buttonName));
        QCOMPARE(user->dialogClasses(), QStringList({ window, window }));
        QCOMPARE(seen, handed);
        QCOMPARE(edit(fieldName)->text(), content);
    }

    void emailButtonOpensTheMailProgram_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("command");
        QTest::newRow("address") << " anna.rossi@example.it "
                                 << "\"mailto:anna.rossi@example.it\"";
        QTest::newRow("no address") << ""
                                    << "\"mailto:\"";
    }

    void emailButtonOpensTheMailProgram()
    {
        QFETCH(QString, address);
        QFETCH(QString, command);
        edit(QStringLiteral("txtEmail"))->setText(address);
        click(editor->btnEmail);
        QCOMPARE(user->shellCommands(), QStringList { command });
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(user->dialogsRun(), 0);
    }

    void photoCopyIsTheShownPicture_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("card photo as read") << "card";
        QTest::newRow("loaded bitmap") << "bitmap";
        QTest::newRow("deleted photo") << "deleted";
    }

    void photoCopyIsTheShownPicture()
    {
        QFETCH(QString, source);
        const QByteArray cardPhoto = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
        storeCardWithPhoto(cardPhoto);
        click(editor->cmdPrimo);
        if (source == QLatin1String("bitmap")) {
            const QString bitmap = dir->filePath(QStringLiteral("ritratto.bmp"));
            writeBytes(bitmap, encodeBmp(markedImage(QSize(64, 48), Qt::green)));
            user->queueOpenFileName(bitmap);
            click(editor->btnCaricaFoto);
        } else if (source == QLatin1String("deleted")) {
            click(editor->btnCancFoto);
        }

        const QString copy = dir->filePath(QStringLiteral("Foto.jpg"));
        user->queueSaveFileName(copy);
        click(editor->btnSalvaFoto);
        QVERIFY(user->messages().isEmpty());
        const QByteArray written = readBytes(copy);
        if (source == QLatin1String("card")) {
            // Unchanged since it was read: the very same bytes, not a new encoding.
            QCOMPARE(written, cardPhoto);
            return;
        }
        QVERIFY(written != cardPhoto);
        QVERIFY(written.startsWith("\xFF\xD8"));
        QCOMPARE(QImage::fromData(written).size(), editor->photo().image().size());
        QCOMPARE(editor->photo().image().size(), source == QLatin1String("bitmap") ? QSize(64, 48) : QSize(307, 409));
    }

    void photoDialogsCancelledChangeNothing()
    {
        const QByteArray cardPhoto = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
        storeCardWithPhoto(cardPhoto);
        click(editor->cmdPrimo);
        const QImage shown = editor->photo().image();

        // No file names queued: the user cancels both dialogs.
        click(editor->btnCaricaFoto);
        click(editor->btnSalvaFoto);
        QCOMPARE(user->openRequests().size(), 1);
        QCOMPARE(user->saveRequests().size(), 1);
        const FileDialogRequest save = user->saveRequests().at(0);
        QCOMPARE(save.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(save.filter, QStringLiteral("File Jpeg (*.jpg)|*.jpg"));
        QCOMPARE(save.proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(save.defaultSuffix, QStringLiteral("jpg"));

        QVERIFY(user->messages().isEmpty());
        QVERIFY(!editor->photo().showsPlaceholder());
        QCOMPARE(editor->photo().image(), shown);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { archiveName });
        click(editor->cmdSalva);
        QCOMPARE(readBytes(photoPath(1)), cardPhoto);
    }

    void fileThatIsNoPictureShowsThePlaceholderUntilSave()
    {
        const QByteArray cardPhoto = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
        storeCardWithPhoto(cardPhoto);
        click(editor->cmdPrimo);

        const QString letter = dir->filePath(QStringLiteral("lettera.jpg"));
        writeBytes(letter, "Gentile cliente, le inviamo il contratto.");
        user->queueOpenFileName(letter);
        click(editor->btnCaricaFoto);
        QVERIFY(user->messages().isEmpty());
        QVERIFY(editor->photo().showsPlaceholder());
        QCOMPARE(editor->imgFoto->pixmap().toImage(), editor->imgBianco->pixmap().toImage());
        // Only Save touches the card's photo file.
        QCOMPARE(readBytes(photoPath(1)), cardPhoto);

        click(editor->cmdSalva);
        const QImage stored(photoPath(1));
        QCOMPARE(stored.size(), QSize(307, 409));
    }

    void deletedPhotoComesBackWhenTheCardIsShownAgain()
    {
        const QByteArray cardPhoto = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
        storeCardWithPhoto(cardPhoto);
        Archive(dir->filePath(archiveName), layouts::registry).append(storedCard());

        click(editor->cmdPrimo);
        click(editor->btnCancFoto);
        QVERIFY(editor->photo().showsPlaceholder());
        QCOMPARE(editor->imgFoto->pixmap().toImage(), editor->imgBianco->pixmap().toImage());
        QCOMPARE(readBytes(photoPath(1)), cardPhoto);

        click(editor->cmdAvanti);
        click(editor->cmdIndietro);
        QCOMPARE(editor->lblPosizione->text(), QStringLiteral("1"));
        QVERIFY(!editor->photo().showsPlaceholder());
        QCOMPARE(editor->photo().image().size(), QSize(90, 120));
        QVERIFY(user->messages().isEmpty());
    }

    void photoCopyThatFailsWarnsAndKeepsTheCardPhoto()
    {
        const QByteArray cardPhoto = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
        storeCardWithPhoto(cardPhoto);
        click(editor->cmdPrimo);
        const QImage shown = editor->imgFoto->pixmap().toImage();

        // A folder stands where the file should go: no copy can be written there.
        const QString blocked = dir->filePath(QStringLiteral("Foto.jpg"));
        QVERIFY(QDir().mkdir(blocked));
        user->queueSaveFileName(blocked);
        click(editor->btnSalvaFoto);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(user->messages().at(0).kind, MessageKind::Warning);
        QCOMPARE(user->messages().at(0).buttons, Buttons::OkCancel);
        QCOMPARE(user->messages().at(0).text,
            QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato."));
        QVERIFY(!editor->photo().showsPlaceholder());
        QCOMPARE(editor->imgFoto->pixmap().toImage(), shown);

        // The card keeps its photo file untouched at the next Save.
        click(editor->cmdSalva);
        QCOMPARE(readBytes(photoPath(1)), cardPhoto);
    }
};

QTEST_MAIN(TestRegistryAids)
#include "tst_registryaids.moc"
