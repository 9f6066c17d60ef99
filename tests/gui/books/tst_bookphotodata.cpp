// "Carica foto" in a book entry: the camera and the shooting date come from the
// photo into the fields the user left empty, and the status line says so.

#include "support/CameraPhotos.h"
#include "support/EditorFixture.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
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

// A camera photo in the fixture's folder.
QString cameraPhoto(const EditorFixture& fixture, const QString& name, const ExifTags& tags)
{
    const QString path = fixture.filePath(name);
    if (!writeCameraJpeg(path, tags))
        qFatal("cannot make %s", qPrintable(path));
    return path;
}

// "Carica foto", the user picking `path` in the file dialog.
void loadPhoto(const EditorFixture& fixture, const QString& path)
{
    fixture.user().queueOpenFileName(path);
    fixture.click(named<QToolButton>(fixture.editor(), "btnCaricaFoto"));
}

QString status(const EditorFixture& fixture)
{
    return fixture.editor()->statusLine()->text();
}

} // namespace

class TestBookPhotoData : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeModalLeftovers(); }

    void aNewEntryTakesCameraAndDateFromItsPhoto_data() { addKindRows(bookKinds()); }
    void aNewEntryTakesCameraAndDateFromItsPhoto()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture fixture(kind);
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0001.JPG"), canonR5Tags()));

        QCOMPARE(fixture.edit(QStringLiteral("txtFotocamera"))->text(), QStringLiteral("Canon EOS R5"));
        QCOMPARE(fixture.edit(QStringLiteral("txtData"))->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(status(fixture), filledNotice);
        QVERIFY(fixture.user().messages().isEmpty());

        // Saved with the rest of the entry.
        fixture.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("Ritratto in giardino"));
        fixture.edit(QStringLiteral("txtLocation"))->setText(QStringLiteral("Villa Reale"));
        fixture.click(QStringLiteral("cmdSalva"));
        const QStringList stored = fixture.stored(1);
        QCOMPARE(stored.at(fixture.layout().indexOf("Fotocamera")), QStringLiteral("Canon EOS R5"));
        QCOMPARE(stored.at(fixture.layout().indexOf("Data")), QStringLiteral("01/06/2024"));
    }

    void whatTheUserFilledStays()
    {
        EditorFixture fixture(ArchiveKind::WomenBook);
        QTest::keyClicks(fixture.edit(QStringLiteral("txtFotocamera")), QStringLiteral("Leica M6"));
        fixture.edit(QStringLiteral("txtData"))->setText(QStringLiteral("14/07/2023"));
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0002.JPG"), canonR5Tags()));

        QCOMPARE(fixture.edit(QStringLiteral("txtFotocamera"))->text(), QStringLiteral("Leica M6"));
        QCOMPARE(fixture.edit(QStringLiteral("txtData"))->text(), QStringLiteral("14/07/2023"));
        QCOMPARE(status(fixture),
            QStringLiteral("Campi già compilati lasciati come sono; la foto riporta Fotocamera «Canon EOS R5», "
                           "Data scatto 01/06/2024."));
    }

    void aLongNoticeIsReadWholeInTheTooltip()
    {
        EditorFixture fixture(ArchiveKind::MenBook);
        QTest::keyClicks(fixture.edit(QStringLiteral("txtFotocamera")), QStringLiteral("Leica M6"));
        fixture.edit(QStringLiteral("txtData"))->setText(QStringLiteral("14/07/2023"));
        loadPhoto(fixture,
            cameraPhoto(fixture, QStringLiteral("DSCF0001.JPG"),
                { { QStringLiteral("Exif.Image.Make"), QStringLiteral("FUJI PHOTO FILM CO., LTD.") },
                    { QStringLiteral("Exif.Image.Model"),
                        QStringLiteral("FinePix S5Pro Extended Edition Signature Series") },
                    { QStringLiteral("Exif.Photo.DateTimeOriginal"), QStringLiteral("2018:02:03 10:00:00") } }));
        const QString notice = QStringLiteral("Campi già compilati lasciati come sono; la foto riporta Fotocamera "
                                              "«FUJI PHOTO FILM FinePix S5Pro Extended Edition», Data scatto "
                                              "03/02/2018.");
        QLabel* line = fixture.editor()->statusLine();
        QVERIFY(status(fixture).endsWith(QChar(0x2026)));
        QVERIFY(notice.startsWith(status(fixture).chopped(1)));
        QVERIFY(line->fontMetrics().horizontalAdvance(status(fixture)) <= line->contentsRect().width());
        QCOMPARE(line->toolTip(), notice);

        // The next explanation has no tooltip behind it.
        pointerEnters(named<QToolButton>(fixture.editor(), "btnZoomFoto"));
        QCOMPARE(line->toolTip(), QString());
    }

    void onlyTheEmptyFieldIsFilled()
    {
        EditorFixture fixture(ArchiveKind::MenBook);
        QTest::keyClicks(fixture.edit(QStringLiteral("txtFotocamera")), QStringLiteral("Leica M6"));
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0003.JPG"), canonR5Tags()));
        QCOMPARE(fixture.edit(QStringLiteral("txtFotocamera"))->text(), QStringLiteral("Leica M6"));
        QCOMPARE(fixture.edit(QStringLiteral("txtData"))->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(status(fixture), QStringLiteral("Letti dalla foto: Data scatto 01/06/2024."));
    }

    void aPhotoWithoutShootingDataFillsNothing()
    {
        EditorFixture fixture(ArchiveKind::WomenBook);
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("scansione.jpg"), {}));
        QVERIFY(!fixture.editor()->photo().showsPlaceholder());
        QCOMPARE(fixture.edit(QStringLiteral("txtFotocamera"))->text(), QString());
        QCOMPARE(fixture.edit(QStringLiteral("txtData"))->text(), QString());
        QCOMPARE(status(fixture), QStringLiteral("La foto non riporta né la fotocamera né la data dello scatto."));
    }

    void aPhotoThatCannotBeReadFillsNothing()
    {
        EditorFixture fixture(ArchiveKind::MenBook);
        const QString path = cameraPhoto(fixture, QStringLiteral("rovinata.jpg"), canonR5Tags());
        // The EXIF block survives, the picture itself is gone.
        const QByteArray bytes = readBytes(path);
        writeBytes(path, bytes.left(bytes.indexOf("\xFF\xDB")));
        loadPhoto(fixture, path);
        QVERIFY(fixture.editor()->photo().showsPlaceholder());
        QCOMPARE(fixture.edit(QStringLiteral("txtFotocamera"))->text(), QString());
        QCOMPARE(fixture.edit(QStringLiteral("txtData"))->text(), QString());
        QCOMPARE(status(fixture), readyText);
    }

    void theNoticeStaysUntilAnotherControlIsExplained()
    {
        EditorFixture fixture(ArchiveKind::WomenBook);
        CardEditor* editor = fixture.editor();
        fixture.seed(1);
        pointerEnters(named<QToolButton>(editor, "btnCaricaFoto"));
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0004.JPG"), canonR5Tags()));
        QCOMPARE(status(fixture), filledNotice);

        // The file dialog closes over the button, the pointer wanders over the card.
        pointerLeaves(named<QToolButton>(editor, "btnCaricaFoto"));
        QCOMPARE(status(fixture), filledNotice);
        pointerEnters(named<QToolButton>(editor, "btnCaricaFoto"));
        QCOMPARE(status(fixture), filledNotice);
        pointerLeaves(named<QToolButton>(editor, "btnCaricaFoto"));
        QCOMPARE(status(fixture), filledNotice);

        // Another control's explanation takes the line again, and the background empties it.
        pointerEnters(named<QToolButton>(editor, "btnSalvaFoto"));
        QCOMPARE(status(fixture), QStringLiteral("Salva la foto su disco."));
        pointerLeaves(named<QToolButton>(editor, "btnSalvaFoto"));
        QCOMPARE(status(fixture), QString());

        // A notice about a card goes when another card comes on screen.
        fixture.edit(QStringLiteral("txtFotocamera"))->clear();
        fixture.edit(QStringLiteral("txtData"))->setText(QStringLiteral("01/06/2024"));
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0005.JPG"), canonR5Tags()));
        QCOMPARE(status(fixture), QStringLiteral("Letti dalla foto: Fotocamera «Canon EOS R5»."));
        // The entry with its photo is unsaved work: the user lets it go.
        fixture.user().queueAnswer(Answer::No);
        named<QToolButton>(editor, "cmdPrimo")->click();
        QCOMPARE(fixture.position(), QStringLiteral("1"));
        QCOMPARE(status(fixture), QString());
    }

    void registryCardsAreNotFilled()
    {
        EditorFixture fixture(ArchiveKind::Registry);
        loadPhoto(fixture, cameraPhoto(fixture, QStringLiteral("IMG_0006.JPG"), canonR5Tags()));
        QVERIFY(!fixture.editor()->photo().showsPlaceholder());
        for (QLineEdit* field : fixture.editor()->fields())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QCOMPARE(status(fixture), readyText);
    }
};

QTEST_MAIN(TestBookPhotoData)
#include "tst_bookphotodata.moc"
