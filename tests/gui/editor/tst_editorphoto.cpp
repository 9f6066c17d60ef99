#include "common/FitToFrame.h"
#include "gui/print/CardPrintWindow.h"
#include "gui/print/PrintCard.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "gui/zoom/ShowZoom.h"
#include "gui/zoom/TfrmZoom.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

// A camera's photo on a card: decoded for the frame, decoded again from the same
// file bytes at the size of the zoom and of the printed card, written back
// unchanged by Save.
class TestEditorPhoto : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;
    std::unique_ptr<TfrmAnagrafica> editor;
    QByteArray photo;
    // Larger than the frame, the zoom and the printed photo box.
    const QSize wholeSize { 2400, 1800 };

    QString photoPath() const { return dir->filePath(QStringLiteral("Anagrafica/Scheda_1.jpg")); }
    QSize framePixels() const
    {
        return (QSizeF(CardEditor::photoFrameSize) * editor->imgFoto->devicePixelRatioF()).toSize();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        user = std::make_unique<ScriptedInteraction>();
        QStringList card(layouts::registry.fieldCount());
        card[0] = QStringLiteral("Anna Rossi");
        Archive(dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")), layouts::registry).append(card);
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("Anagrafica")));
        photo = encodeJpeg(markedImage(wholeSize, Qt::darkCyan), 90);
        writeBytes(photoPath(), photo);
        editor = std::make_unique<TfrmAnagrafica>(dir->path());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QTest::mouseClick(editor->cmdPrimo, Qt::LeftButton);
        QVERIFY(!editor->photo().showsPlaceholder());
    }

    void cleanup()
    {
        closeModalLeftovers();
        editor.reset();
        user.reset();
        dir.reset();
    }

    void theFrameShowsThePhotoDecodedAtItsSize()
    {
        const QSize shown = fitInto(wholeSize, framePixels());
        QCOMPARE(editor->photo().image().size(), shown);
        QCOMPARE(editor->imgFoto->pixmap().size(), shown);
        // Saved unchanged: the very bytes of the file, however small it is shown.
        QTest::mouseClick(editor->cmdSalva, Qt::LeftButton);
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
        QTest::mouseClick(editor->btnZoomFoto, Qt::LeftButton);
        QCOMPARE(zoomed.size(), fitInto(wholeSize, zoomPictureSize(editor.get())));
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
        QTest::mouseClick(preview ? editor->cmdAnteprima : editor->cmdStampa, Qt::LeftButton);
        // 188 × 140 mm at 300 dpi.
        QCOMPARE(printedPhotoSize(ArchiveKind::Registry), QSize(2221, 1654));
        QCOMPARE(logo.size(), fitInto(wholeSize, printedPhotoSize(ArchiveKind::Registry)));
    }
};

QTEST_MAIN(TestEditorPhoto)
#include "tst_editorphoto.moc"
