#include "common/Formatting.h"

#include "common/FitToFrame.h"
#include "registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString archiveName = QStringLiteral("Archivio_Anagrafico.pro");
constexpr int recordSize = 3847;

QStringList card(const QString& name, const QString& extra = {})
{
    QStringList values;
    for (int i = 0; i < layouts::registry.fieldCount(); ++i)
        values << QString();
    values[0] = name;
    values[1] = QStringLiteral("F");
    values[3] = QStringLiteral("Italiana");
    values[25] = extra;
    values[26] = QStringLiteral("contratto.pdf");
    values[29] = QStringLiteral("Contratto firmato");
    return values;
}

} // namespace

class TestRegistryEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TfrmAnagrafica> editor;
    std::unique_ptr<ScriptedInteraction> user;

    QString archivePath() const { return dir->filePath(archiveName); }
    QString photoPath(int position) const
    {
        return dir->filePath(QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(position));
    }
    QLineEdit* edit(const char* name) const { return named<QLineEdit>(editor.get(), QString::fromLatin1(name)); }
    QString position() const { return editor->lblPosizione->text(); }
    void click(QToolButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void seed(int count)
    {
        const Archive archive(archivePath(), layouts::registry);
        for (int i = 1; i <= count; ++i)
            archive.append(card(QStringLiteral("Persona %1").arg(i)));
    }
    void fillRequired(const QString& name = QStringLiteral("Anna Rossi"))
    {
        edit("txtNome")->setText(name);
        edit("txtSesso")->setText(QStringLiteral("F"));
        edit("txtCittadinanza")->setText(QStringLiteral("Italiana"));
    }
    ScriptedInteraction::Message lastMessage() const { return user->messages().constLast(); }

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

    void controlsAreFoundByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        for (int i = 0; i < layouts::registryEditFields; ++i) {
            const auto field = layouts::registry.field(i);
            const QString name = QStringLiteral("txt") + QString::fromLatin1(field.name.data(), field.name.size());
            QTest::newRow(qPrintable(name)) << name << field.capacity;
        }
    }

    void controlsAreFoundByName()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QCOMPARE(named<QLineEdit>(editor.get(), name)->maxLength(), maxLength);
    }

    void everyOtherControlExists()
    {
        for (const char* name : { "cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdFile", "cmdStampa",
                 "cmdAnteprima", "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdEsporta", "cmdSlideshow",
                 "cmdGuida", "cmdEsci", "btnCaricaFoto", "btnSalvaFoto", "btnCancFoto", "btnZoomFoto", "btnCodFisc",
                 "btnEmail", "btnPartitaIva", "btnIban" }) {
            auto* button = named<QToolButton>(editor.get(), QString::fromLatin1(name));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!button->statusTip().isEmpty(), name);
        }
        for (const char* name :
            { "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03", "imgBianco" })
            QVERIFY2(named<QLabel>(editor.get(), QString::fromLatin1(name))->isHidden(), name);
        QVERIFY(named<QLabel>(editor.get(), QStringLiteral("lblPosizione"))->isVisible());
        QVERIFY(named<QLabel>(editor.get(), QStringLiteral("imgFoto"))->isVisible());
        QCOMPARE(named<QLabel>(editor.get(), QStringLiteral("panInfo"))->text(),
            QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QCOMPARE(editor->windowTitle(), QStringLiteral(" Lumidex - Archivio Anagrafico"));
        QCOMPARE(editor->objectName(), QStringLiteral("frmAnagrafica"));
    }

    void statusLineFollowsThePointer()
    {
        QStatusTipEvent over(editor->cmdSalva->statusTip());
        QApplication::sendEvent(editor.get(), &over);
        QVERIFY(editor->statusLine()->text().startsWith(QStringLiteral("Salva la scheda in archivio.")));
        QStatusTipEvent background { QString() };
        QApplication::sendEvent(editor.get(), &background);
        QCOMPARE(editor->statusLine()->text(), QString());
    }

    void enterWalksTheFieldsInRecordOrder()
    {
        edit("txtNome")->setFocus();
        QTest::keyClick(edit("txtNome"), Qt::Key_Return);
        QVERIFY(edit("txtSesso")->hasFocus());
        edit("txtDisponibilita")->setFocus();
        QTest::keyClick(edit("txtDisponibilita"), Qt::Key_Enter);
        QVERIFY(edit("txtNote")->hasFocus());
        QTest::keyClick(edit("txtNote"), Qt::Key_Return);
        QVERIFY(edit("txtNome")->hasFocus());
    }

    void saveNewCardCreatesArchivePositionAndPhoto()
    {
        fillRequired(QStringLiteral("  Anna Rossi  "));
        edit("txtNote")->setText(QString(250, QLatin1Char('n')));
        click(editor->cmdSalva);

        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(QFileInfo(archivePath()).size(), recordSize);
        QVERIFY(QFileInfo::exists(photoPath(1)));

        const QByteArray bytes = readBytes(archivePath());
        QCOMPARE(int(quint8(bytes[0])), 10);
        QCOMPARE(bytes.mid(1, 10), QByteArray("Anna Rossi"));
        QCOMPARE(int(quint8(bytes[2090])), 250);
    }

    void saveStoredCardOverwritesInPlace()
    {
        seed(3);
        click(editor->cmdUltimo);
        edit("txtNome")->setText(QStringLiteral("Cambiata"));
        click(editor->cmdSalva);
        click(editor->cmdSalva);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(position(), QStringLiteral("3"));
        QCOMPARE(QFileInfo(archivePath()).size(), 3 * recordSize);
        QCOMPARE(Archive(archivePath(), layouts::registry).read(3).at(0), QStringLiteral("Cambiata"));
    }

    void saveAppendsAfterExistingCards()
    {
        seed(7);
        fillRequired();
        click(editor->cmdSalva);
        QCOMPARE(position(), QStringLiteral("8"));
        QCOMPARE(QFileInfo(archivePath()).size(), 8 * recordSize);
        QVERIFY(QFileInfo::exists(photoPath(8)));
    }

    void requiredFieldsAreCheckedInOrder_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("sesso");
        QTest::addColumn<QString>("cittadinanza");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("message");
        const QString name
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome della persona.");
        const QString sex
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso della persona (M o F).");
        const QString citizenship
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la cittadinanza della persona.");
        QTest::newRow("no name") << ""
                                 << "F"
                                 << "Italiana"
                                 << "txtNome" << name;
        QTest::newRow("blank name") << "   "
                                    << "F"
                                    << "Italiana"
                                    << "txtNome" << name;
        QTest::newRow("nothing at all") << ""
                                        << ""
                                        << ""
                                        << "txtNome" << name;
        QTest::newRow("no sex") << "Anna"
                                << ""
                                << ""
                                << "txtSesso" << sex;
        QTest::newRow("no citizenship") << "Anna"
                                        << "F"
                                        << " "
                                        << "txtCittadinanza" << citizenship;
    }

    void requiredFieldsAreCheckedInOrder()
    {
        QFETCH(QString, nome);
        QFETCH(QString, sesso);
        QFETCH(QString, cittadinanza);
        QFETCH(QString, focused);
        QFETCH(QString, message);
        editor->activateWindow();
        edit("txtNome")->setText(nome);
        edit("txtSesso")->setText(sesso);
        edit("txtCittadinanza")->setText(cittadinanza);
        edit("txtNote")->setFocus();
        click(editor->cmdSalva);

        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, message);
        QCOMPARE(editor->focusWidget(), edit(qPrintable(focused)));
        QVERIFY(!QFileInfo::exists(archivePath()));
        QCOMPARE(position(), QString());
    }

    void anySingleCharacterIsAcceptedAsSex()
    {
        fillRequired();
        edit("txtSesso")->setText(QStringLiteral("X"));
        click(editor->cmdSalva);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(Archive(archivePath(), layouts::registry).read(1).at(1), QStringLiteral("X"));
    }

    void emptyArchiveNavigation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("previous") << "cmdIndietro";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("last") << "cmdUltimo";
    }

    void emptyArchiveNavigation()
    {
        QFETCH(QString, button);
        click(named<QToolButton>(editor.get(), button));
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(position(), QString());
        // The first look at a fresh installation leaves an empty archive behind.
        QVERIFY(QFileInfo::exists(archivePath()));
        QCOMPARE(QFileInfo(archivePath()).size(), 0);
    }

    void browsingHasNoWrapAround()
    {
        seed(3);
        click(editor->cmdAvanti);
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Persona 1"));
        QCOMPARE(editor->attachmentLabels().at(0)->text(), QStringLiteral("contratto.pdf"));
        QCOMPARE(editor->attachmentLabels().at(3)->text(), QStringLiteral("Contratto firmato"));

        click(editor->cmdIndietro);
        QCOMPARE(position(), QStringLiteral("1"));
        click(editor->cmdUltimo);
        QCOMPARE(position(), QStringLiteral("3"));
        click(editor->cmdAvanti);
        QCOMPARE(position(), QStringLiteral("3"));
        click(editor->cmdIndietro);
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Persona 2"));
        click(editor->cmdPrimo);
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Persona 1"));
        QVERIFY(user->messages().isEmpty());

        click(editor->cmdNuovo);
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtNome")->text(), QString());
        click(editor->cmdIndietro);
        QCOMPARE(position(), QStringLiteral("1"));
    }

    void previousOnFirstCardIgnoresAnEmptiedArchive()
    {
        seed(2);
        click(editor->cmdPrimo);
        QFile::resize(archivePath(), 0);
        click(editor->cmdIndietro);
        QVERIFY(user->messages().isEmpty());
        QCOMPARE(position(), QStringLiteral("1"));
    }

    void nextOnAnEmptiedArchiveMakesTheCardNew()
    {
        seed(2);
        click(editor->cmdPrimo);
        QFile::resize(archivePath(), 0);
        click(editor->cmdAvanti);
        QCOMPARE(lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Persona 1"));
    }

    void showingTheWindowStartsANewCard()
    {
        seed(1);
        click(editor->cmdPrimo);
        editor->hide();
        editor->show();
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtNome")->text(), QString());
        QCOMPARE(editor->attachmentLabels().at(0)->text(), QString());
        QVERIFY(editor->photo().showsPlaceholder());
    }

    void duplicateNeedsAStoredCard()
    {
        fillRequired();
        click(editor->cmdDuplica);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio."));
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Anna Rossi"));
    }

    void duplicateThenSaveAppendsACopyWithoutAttachmentsOrPhoto()
    {
        seed(2);
        const QImage photo = markedImage(QSize(60, 80), Qt::red);
        QDir(dir->path()).mkpath(QStringLiteral("Anagrafica"));
        writeBytes(photoPath(2), encodeJpeg(photo));
        click(editor->cmdUltimo);
        QVERIFY(!editor->photo().showsPlaceholder());

        click(editor->cmdDuplica);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().text,
            QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                           "Al termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtNome")->text(), QStringLiteral("Persona 2"));
        QVERIFY(editor->photo().showsPlaceholder());

        click(editor->cmdSalva);
        QCOMPARE(position(), QStringLiteral("3"));
        const QStringList stored = Archive(archivePath(), layouts::registry).read(3);
        QCOMPARE(stored.at(0), QStringLiteral("Persona 2"));
        QCOMPARE(stored.at(26), QString());
        QCOMPARE(stored.at(29), QString());
        QVERIFY(QFileInfo::exists(photoPath(3)));
        QVERIFY(readBytes(photoPath(3)) != readBytes(photoPath(2)));
    }

    void archiveFailuresShowTheAccessMessage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("save") << "cmdSalva";
    }

    void archiveFailuresShowTheAccessMessage()
    {
        QFETCH(QString, button);
        // A folder where the archive should be cannot be opened as a file, not even by root.
        QVERIFY(QDir(dir->path()).mkdir(archiveName));
        fillRequired();
        click(named<QToolButton>(editor.get(), button));
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Error);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                           "possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QCOMPARE(position(), QString());
    }

    void unchangedJpegIsWrittenBackByteForByte()
    {
        seed(1);
        QDir(dir->path()).mkpath(QStringLiteral("Anagrafica"));
        const QByteArray original = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 35);
        writeBytes(photoPath(1), original);
        click(editor->cmdPrimo);
        for (int i = 0; i < 3; ++i)
            click(editor->cmdSalva);
        QCOMPARE(readBytes(photoPath(1)), original);
    }

    void unreadablePhotoSurvivesSaveUntilTheUserReplacesIt()
    {
        seed(1);
        QDir(dir->path()).mkpath(QStringLiteral("Anagrafica"));
        const QByteArray damaged("\xFF\xD8 not really a picture", 24);
        writeBytes(photoPath(1), damaged);
        click(editor->cmdPrimo);
        QVERIFY(editor->photo().showsPlaceholder());
        click(editor->cmdSalva);
        QCOMPARE(readBytes(photoPath(1)), damaged);

        click(editor->btnCancFoto);
        click(editor->cmdSalva);
        QVERIFY(readBytes(photoPath(1)) != damaged);
        QVERIFY(!QImage(photoPath(1)).isNull());
    }

    void missingPhotoIsStoredAsThePlaceholder()
    {
        seed(1);
        click(editor->cmdPrimo);
        click(editor->cmdSalva);
        const QImage stored(photoPath(1));
        QCOMPARE(stored.size(), QSize(307, 409));
    }

    void photoThatCannotBeWrittenIsReportedAfterTheSave()
    {
        // A file where the photo folder should be: the card can be stored, its photo cannot.
        writeBytes(dir->filePath(QStringLiteral("Anagrafica")), "not a folder");
        fillRequired();
        click(editor->cmdSalva);
        QCOMPARE(user->messages().size(), 2);
        QCOMPARE(user->messages().at(0).text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare "
                           "la foto.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella di "
                           "installazione del programma."));
        QCOMPARE(position(), QStringLiteral("1"));
    }

    void loadedPhotoBecomesTheCardsPhotoAtSave()
    {
        const QString source = dir->filePath(QStringLiteral("ritratto.jpg"));
        const QByteArray bytes = encodeJpeg(markedImage(QSize(200, 100), Qt::green));
        writeBytes(source, bytes);
        user->queueOpenFileName(source);
        click(editor->btnCaricaFoto);
        QCOMPARE(user->openRequests().size(), 1);
        QCOMPARE(user->openRequests().at(0).title,
            QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(user->openRequests().at(0).filter,
            QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"));
        QCOMPARE(editor->photo().image().size(), QSize(200, 100));
        QCOMPARE(editor->imgFoto->pixmap().size(), fitInto(QSize(200, 100), QSize(307, 409)));

        fillRequired();
        click(editor->cmdSalva);
        QCOMPARE(readBytes(photoPath(1)), bytes);
    }

    void photoCopyThatFailsKeepsThePicture()
    {
        const QString source = dir->filePath(QStringLiteral("ritratto.jpg"));
        writeBytes(source, encodeJpeg(markedImage(QSize(40, 40), Qt::green)));
        user->queueOpenFileName(source);
        click(editor->btnCaricaFoto);

        user->queueSaveFileName(dir->filePath(QStringLiteral("no/such/folder/Foto.jpg")));
        click(editor->btnSalvaFoto);
        QCOMPARE(user->saveRequests().at(0).proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(user->saveRequests().at(0).defaultSuffix, QStringLiteral("jpg"));
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(
            lastMessage().text, QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato."));
        QVERIFY(!editor->photo().showsPlaceholder());

        user->queueSaveFileName(dir->filePath(QStringLiteral("Foto.jpg")));
        click(editor->btnSalvaFoto);
        QCOMPARE(readBytes(dir->filePath(QStringLiteral("Foto.jpg"))), readBytes(source));
    }
};

QTEST_MAIN(TestRegistryEditor)
#include "tst_registryeditor.moc"
