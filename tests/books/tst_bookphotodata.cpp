// "Carica foto" in a book entry: the camera and the shooting date come from the
// photo into the fields the user left empty, and the status line says so.

#include "CameraPhotos.h"
#include "books/TfrmBookDonne.h"
#include "books/TfrmBookUomini.h"
#include "registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString filledNotice = QStringLiteral("Letti dalla foto: Fotocamera «Canon EOS R5», Data scatto 01/06/2024.");
const QString readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");

// The pointer entering or leaving a control, as the window system reports it.
void pointerEnters(QWidget* control)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(control, &enter);
}

void pointerLeaves(QWidget* control)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
}

} // namespace

class TestBookPhotoData : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;
    std::unique_ptr<CardEditor> editor;

    void openBook(bool men)
    {
        std::unique_ptr<BookEditor> book;
        if (men)
            book = std::make_unique<TfrmBookUomini>(dir->path());
        else
            book = std::make_unique<TfrmBookDonne>(dir->path());
        book->setBook(dir->filePath(QStringLiteral("Estate") + book->side().extension), QStringLiteral("Estate"));
        editor = std::move(book);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    QLineEdit* edit(const char* name) const { return named<QLineEdit>(editor.get(), QString::fromLatin1(name)); }
    QString status() const { return editor->statusLine()->text(); }
    QString photo(const QString& name, const ExifTags& tags) const
    {
        const QString path = dir->filePath(name);
        if (!writeCameraJpeg(path, tags))
            qFatal("cannot make %s", qPrintable(path));
        return path;
    }
    void loadPhoto(const QString& path)
    {
        user->queueOpenFileName(path);
        QTest::mouseClick(editor->btnCaricaFoto, Qt::LeftButton);
    }

    static void addSides()
    {
        QTest::addColumn<bool>("men");
        QTest::newRow("men") << true;
        QTest::newRow("women") << false;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        user = std::make_unique<ScriptedInteraction>();
    }

    void cleanup()
    {
        closeModalLeftovers();
        editor.reset();
        user.reset();
        dir.reset();
    }

    void aNewEntryTakesCameraAndDateFromItsPhoto_data() { addSides(); }
    void aNewEntryTakesCameraAndDateFromItsPhoto()
    {
        QFETCH(bool, men);
        openBook(men);
        loadPhoto(photo(QStringLiteral("IMG_0001.JPG"), canonR5Tags()));

        QCOMPARE(edit("txtFotocamera")->text(), QStringLiteral("Canon EOS R5"));
        QCOMPARE(edit("txtData")->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(status(), filledNotice);
        QVERIFY(user->messages().isEmpty());

        // Saved with the rest of the entry.
        edit("txtTitolo")->setText(QStringLiteral("Ritratto in giardino"));
        edit("txtLocation")->setText(QStringLiteral("Villa Reale"));
        QTest::mouseClick(editor->cmdSalva, Qt::LeftButton);
        const QStringList stored = Archive(editor->archivePath(), layouts::book).read(1);
        QCOMPARE(stored.at(layouts::book.indexOf("Fotocamera")), QStringLiteral("Canon EOS R5"));
        QCOMPARE(stored.at(layouts::book.indexOf("Data")), QStringLiteral("01/06/2024"));
    }

    void whatTheUserFilledStays()
    {
        openBook(false);
        QTest::keyClicks(edit("txtFotocamera"), QStringLiteral("Leica M6"));
        edit("txtData")->setText(QStringLiteral("14/07/2023"));
        loadPhoto(photo(QStringLiteral("IMG_0002.JPG"), canonR5Tags()));

        QCOMPARE(edit("txtFotocamera")->text(), QStringLiteral("Leica M6"));
        QCOMPARE(edit("txtData")->text(), QStringLiteral("14/07/2023"));
        QCOMPARE(status(),
            QStringLiteral("Campi già compilati lasciati come sono; la foto riporta Fotocamera «Canon EOS R5», "
                           "Data scatto 01/06/2024."));
    }

    void aLongNoticeIsReadWholeInTheTooltip()
    {
        openBook(true);
        QTest::keyClicks(edit("txtFotocamera"), QStringLiteral("Leica M6"));
        edit("txtData")->setText(QStringLiteral("14/07/2023"));
        const QString camera = QStringLiteral("FUJI PHOTO FILM FinePix S5Pro Extended Edition");
        loadPhoto(photo(QStringLiteral("DSCF0001.JPG"),
            { { "Exif.Image.Make", "FUJI PHOTO FILM CO., LTD." },
                { "Exif.Image.Model", "FinePix S5Pro Extended Edition Signature Series" },
                { "Exif.Photo.DateTimeOriginal", "2018:02:03 10:00:00" } }));
        const QString notice = QStringLiteral(
            "Campi già compilati lasciati come sono; la foto riporta Fotocamera «%1», Data scatto 03/02/2018.")
                                   .arg(camera);
        QLabel* line = editor->statusLine();
        QVERIFY(status().endsWith(QChar(0x2026)));
        QVERIFY(notice.startsWith(status().chopped(1)));
        QVERIFY(line->fontMetrics().horizontalAdvance(status()) <= line->contentsRect().width());
        QCOMPARE(line->toolTip(), notice);

        // The next explanation has no tooltip behind it.
        pointerEnters(editor->btnZoomFoto);
        QCOMPARE(line->toolTip(), QString());
    }

    void onlyTheEmptyFieldIsFilled()
    {
        openBook(true);
        QTest::keyClicks(edit("txtFotocamera"), QStringLiteral("Leica M6"));
        loadPhoto(photo(QStringLiteral("IMG_0003.JPG"), canonR5Tags()));
        QCOMPARE(edit("txtFotocamera")->text(), QStringLiteral("Leica M6"));
        QCOMPARE(edit("txtData")->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(status(), QStringLiteral("Letti dalla foto: Data scatto 01/06/2024."));
    }

    void aPhotoWithoutShootingDataFillsNothing()
    {
        openBook(false);
        loadPhoto(photo(QStringLiteral("scansione.jpg"), {}));
        QVERIFY(!editor->photo().showsPlaceholder());
        QCOMPARE(edit("txtFotocamera")->text(), QString());
        QCOMPARE(edit("txtData")->text(), QString());
        QCOMPARE(status(), QStringLiteral("La foto non riporta né la fotocamera né la data dello scatto."));
    }

    void aPhotoThatCannotBeReadFillsNothing()
    {
        openBook(true);
        const QString path = photo(QStringLiteral("rovinata.jpg"), canonR5Tags());
        // The EXIF block survives, the picture itself is gone.
        QByteArray bytes = readBytes(path);
        writeBytes(path, bytes.left(bytes.indexOf("\xFF\xDB")));
        loadPhoto(path);
        QVERIFY(editor->photo().showsPlaceholder());
        QCOMPARE(edit("txtFotocamera")->text(), QString());
        QCOMPARE(edit("txtData")->text(), QString());
        QCOMPARE(status(), readyText);
    }

    void theNoticeStaysUntilAnotherControlIsExplained()
    {
        openBook(false);
        Archive(editor->archivePath(), layouts::book).append(QStringList(layouts::book.fieldCount()));
        pointerEnters(editor->btnCaricaFoto);
        loadPhoto(photo(QStringLiteral("IMG_0004.JPG"), canonR5Tags()));
        QCOMPARE(status(), filledNotice);

        // The file dialog closes over the button, the pointer wanders over the card.
        pointerLeaves(editor->btnCaricaFoto);
        QCOMPARE(status(), filledNotice);
        pointerEnters(editor->btnCaricaFoto);
        QCOMPARE(status(), filledNotice);
        pointerLeaves(editor->btnCaricaFoto);
        QCOMPARE(status(), filledNotice);

        // Another control's explanation takes the line again, and the background empties it.
        pointerEnters(editor->btnSalvaFoto);
        QCOMPARE(status(), QStringLiteral("Salva la foto su disco."));
        pointerLeaves(editor->btnSalvaFoto);
        QCOMPARE(status(), QString());

        // A notice about a card goes when another card comes on screen.
        edit("txtFotocamera")->clear();
        loadPhoto(photo(QStringLiteral("IMG_0005.JPG"), canonR5Tags()));
        QCOMPARE(status(), QStringLiteral("Letti dalla foto: Fotocamera «Canon EOS R5»."));
        editor->cmdPrimo->click();
        QCOMPARE(editor->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(status(), QString());
    }

    void registryCardsAreNotFilled()
    {
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        loadPhoto(photo(QStringLiteral("IMG_0006.JPG"), canonR5Tags()));
        QVERIFY(!editor->photo().showsPlaceholder());
        for (QLineEdit* field : editor->fields())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QCOMPARE(status(), readyText);
    }
};

QTEST_MAIN(TestBookPhotoData)
#include "tst_bookphotodata.moc"
