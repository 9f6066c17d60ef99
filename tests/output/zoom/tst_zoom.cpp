#include "common/Formatting.h"

#include "common/FitToFrame.h"
#include "output/zoom/TfrmZoom.h"
#include "registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// What the zoom window must show for `picture` in a frame of `frame`.
QImage expectedRender(const QImage& picture, const QSize& frame)
{
    const QSize size = fitInto(picture.size(), frame).expandedTo(QSize(1, 1));
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

QImage shownBy(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeModalLeftovers(); }

    void windowIsTheMaximisedZoomDialog()
    {
        TfrmZoom zoom;
        QCOMPARE(zoom.objectName(), QStringLiteral("frmZoom"));
        QCOMPARE(zoom.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QVERIFY(zoom.isModal());
        QCOMPARE(zoom.findChild<QLabel*>(QStringLiteral("imgFoto")), zoom.imgFoto);
        QCOMPARE(zoom.findChild<QWidget*>(QStringLiteral("panFoto")), zoom.panFoto);

        zoom.setPicture(markedImage(QSize(40, 30), Qt::red));
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        QVERIFY(zoom.windowState().testFlag(Qt::WindowMaximized));
        // The photo takes the screen but a margin, centred, and never more than the window.
        const QSize screen = zoom.screen()->size();
        const QSize frame = QSize(screen.width() - 60, screen.height() - 90).boundedTo(zoom.size());
        QCOMPARE(zoom.panFoto->size(), frame);
        QCOMPARE(zoom.imgFoto->size(), frame);
        QCOMPARE(zoom.panFoto->geometry().center(), zoom.rect().center());
    }

    void pictureIsScaledToFitWithItsProportions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(400, 100);
        QTest::newRow("tall") << QSize(100, 400);
        QTest::newRow("smaller than the frame") << QSize(30, 40);
        QTest::newRow("large photo") << QSize(3000, 2000);
        QTest::newRow("one pixel high") << QSize(900, 1);
    }

    void pictureIsScaledToFitWithItsProportions()
    {
        QFETCH(QSize, size);
        const QImage picture = markedImage(size, Qt::darkCyan);
        TfrmZoom zoom;
        zoom.setPicture(picture);
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        const QImage shown = shownBy(zoom.imgFoto);
        const QSize fitted = fitInto(size, zoom.imgFoto->size());
        QVERIFY(fitted.width() == zoom.imgFoto->width() || fitted.height() == zoom.imgFoto->height());
        QCOMPARE(shown.size(), fitted.expandedTo(QSize(1, 1)));
        QCOMPARE(shown, expectedRender(picture, zoom.imgFoto->size()));
        QCOMPARE(zoom.imgFoto->alignment(), Qt::AlignCenter);
    }

    void clickClosesTheWindow_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("closes");
        QTest::newRow("picture") << "imgFoto" << int(Qt::LeftButton) << true;
        QTest::newRow("panel") << "panFoto" << int(Qt::LeftButton) << true;
        QTest::newRow("right button on the picture") << "imgFoto" << int(Qt::RightButton) << false;
        QTest::newRow("gradient around the panel") << "frmZoom" << int(Qt::LeftButton) << false;
    }

    void clickClosesTheWindow()
    {
        QFETCH(QString, target);
        QFETCH(int, mouseButton);
        QFETCH(bool, closes);
        TfrmZoom zoom;
        zoom.setPicture(markedImage(QSize(300, 200), Qt::yellow));
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        QWidget* widget = target == zoom.objectName() ? &zoom : zoom.findChild<QWidget*>(target);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::MouseButton(mouseButton), Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(zoom.isVisible(), !closes);
        if (closes)
            QCOMPARE(zoom.result(), int(QDialog::Accepted));
    }

    // The editors hand over the picture they show; every click builds a new window.
    void editorZoomShowsExactlyItsPicture()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        TfrmAnagrafica editor(dir.path());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        struct Seen {
            QImage picture;
            QImage shown;
            QSize frame;
            QObject* owner = nullptr;
            bool reused = false;
        };
        QList<Seen> seen;
        user.onDialog([&](QDialog& dialog) {
            auto* zoom = qobject_cast<TfrmZoom*>(&dialog);
            QVERIFY(zoom);
            zoom->show();
            QVERIFY(QTest::qWaitForWindowExposed(zoom));
            seen.append({ zoom->picture(), shownBy(zoom->imgFoto), zoom->imgFoto->size(), zoom->parent(),
                zoom->property("seen").isValid() });
            zoom->setProperty("seen", true);
            QTest::mouseClick(zoom->imgFoto, Qt::LeftButton);
            QVERIFY(!zoom->isVisible());
        });

        // A new card: the placeholder picture.
        QTest::mouseClick(editor.btnZoomFoto, Qt::LeftButton);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].picture, editor.imgBianco->pixmap().toImage());

        // A stored card: its photo as shown, not read again from disk.
        Archive(dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")), layouts::registry)
            .append(QStringList(layouts::registry.fieldCount(), QStringLiteral("x")));
        QDir(dir.path()).mkpath(QStringLiteral("Anagrafica"));
        const QImage photo = markedImage(QSize(120, 90), Qt::magenta);
        const QString photoFile = dir.filePath(QStringLiteral("Anagrafica/Scheda_1.jpg"));
        writeBytes(photoFile, encodeJpeg(photo));
        QTest::mouseClick(editor.cmdPrimo, Qt::LeftButton);
        QVERIFY(QFile::remove(photoFile));
        QTest::mouseClick(editor.btnZoomFoto, Qt::LeftButton);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].picture.size(), QSize(120, 90));
        QCOMPARE(seen[1].picture, editor.photo().image());

        QCOMPARE(user.dialogClasses(), QStringList(2, QStringLiteral("lumidex::TfrmZoom")));
        for (const Seen& one : seen) {
            QCOMPARE(one.owner, &editor);
            QVERIFY(!one.reused);
            QCOMPARE(one.shown, expectedRender(one.picture, one.frame));
            // The editor's frame shows the same picture, only smaller.
            QVERIFY(one.shown.size().width() > editor.imgFoto->pixmap().width());
        }
        QCOMPARE(editor.imgFoto->pixmap().toImage(),
            seen[1].picture.scaled(editor.imgFoto->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        QVERIFY(editor.findChildren<TfrmZoom*>().isEmpty());
        QVERIFY(user.messages().isEmpty());
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
