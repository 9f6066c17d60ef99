#include "common/FitToFrame.h"
#include "gui/print/CardPrintWindow.h"
#include "gui/print/PrintCard.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "gui/zoom/TfrmZoom.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

// A camera's photo on a card: decoded for the frame, decoded again from the same
// file bytes at the size of the zoom and of the printed card, written back
// unchanged by Save.
class TestEditorPhoto : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<TfrmAnagrafica> editor;
    QByteArray photo;
    // Larger than the frame, the zoom and the printed photo box.
    const QSize wholeSize { 2400, 1800 };

    QString photoPath() const { return dir->filePath(QStringLiteral("Anagrafica/Scheda_1.jpg")); }
    QSize framePixels() const
    {
        // The photo frame is 307 x 409, in the screen's own pixels.
        return (QSizeF(307, 409) * named<QLabel>(editor, "imgFoto")->devicePixelRatioF()).toSize();
    }

    void setUp() override
    {
        QStringList card(layouts::registry.fieldCount());
        card[0] = QStringLiteral("Anna Rossi");
        Archive(dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")), layouts::registry).append(card);
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("Anagrafica")));
        photo = encodeJpeg(markedImage(wholeSize, Qt::darkCyan), 90);
        writeBytes(photoPath(), photo);
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QTest::mouseClick(named<QToolButton>(editor, "cmdPrimo"), Qt::LeftButton);
        QVERIFY(!editor->photo().showsPlaceholder());
    }

    void tearDown() override { editor.reset(); }

private slots:
    void theFrameShowsThePhotoDecodedAtItsSize()
    {
        const QSize shown = fitInto(wholeSize, framePixels());
        QCOMPARE(editor->photo().image().size(), shown);
        QCOMPARE(named<QLabel>(editor, "imgFoto")->pixmap().size(), shown);
        // Saved unchanged: the very bytes of the file, however small it is shown.
        QTest::mouseClick(named<QToolButton>(editor, "cmdSalva"), Qt::LeftButton);
        QCOMPARE(readBytes(photoPath()), photo);
        QCOMPARE(user->messages().size(), 1);
    }

    void theZoomHasThePhotoAtTheScreensSize()
    {
        QImage zoomed;
        user->onDialog([&](QDialog& dialog) {
            zoomed = static_cast<TfrmZoom&>(dialog).picture();
            dialog.accept();
        });
        QTest::mouseClick(named<QToolButton>(editor, "btnZoomFoto"), Qt::LeftButton);
        // As sharp as the screen can show it: the screen's own pixels.
        const QScreen* screen = editor->screen();
        QCOMPARE(zoomed.size(), fitInto(wholeSize, (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize()));
        QVERIFY(zoomed.width() > editor->photo().image().width());
    }

    void thePrintedCardHasThePhotoAtItsBoxSize_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << false;
        QTest::newRow("preview") << true;
    }
    void thePrintedCardHasThePhotoAtItsBoxSize()
    {
        QFETCH(bool, preview);
        QImage logo;
        user->onDialog([&](QDialog& dialog) {
            logo = static_cast<CardPrintWindow&>(dialog).logo();
            dialog.reject();
        });
        QTest::mouseClick(
            preview ? named<QToolButton>(editor, "cmdAnteprima") : named<QToolButton>(editor, "cmdStampa"),
            Qt::LeftButton);
        // 188 × 140 mm at 300 dpi.
        QCOMPARE(printedPhotoSize(ArchiveKind::Registry), QSize(2221, 1654));
        QCOMPARE(logo.size(), fitInto(wholeSize, printedPhotoSize(ArchiveKind::Registry)));
    }
};

QTEST_MAIN(TestEditorPhoto)
#include "tst_editorphoto.moc"
