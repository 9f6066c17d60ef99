#include "common/FitToFrame.h"
#include "gui/zoom/TfrmZoom.h"
#include "support/TestHelpers.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

// The zoom window itself; what the editors hand it is tested in tst_cardeditor.
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
        QCOMPARE(zoom.findChild<QLabel*>(QStringLiteral("imgFoto")), named<QLabel>(&zoom, "imgFoto"));
        QCOMPARE(zoom.findChild<QWidget*>(QStringLiteral("panFoto")), zoom.panFoto);

        zoom.setPicture(markedImage(QSize(40, 30), Qt::red));
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        QVERIFY(zoom.windowState().testFlag(Qt::WindowMaximized));
        // The photo takes the screen but a margin, centred, and never more than the window.
        const QSize screen = zoom.screen()->size();
        const QSize frame = QSize(screen.width() - 60, screen.height() - 90).boundedTo(zoom.size());
        QCOMPARE(zoom.panFoto->size(), frame);
        QCOMPARE(named<QLabel>(&zoom, "imgFoto")->size(), frame);
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
        const QImage shown = labelPicture(named<QLabel>(&zoom, "imgFoto"));
        const QSize fitted = fitInto(size, named<QLabel>(&zoom, "imgFoto")->size());
        QVERIFY(fitted.width() == named<QLabel>(&zoom, "imgFoto")->width()
            || fitted.height() == named<QLabel>(&zoom, "imgFoto")->height());
        QCOMPARE(shown.size(), fitted.expandedTo(QSize(1, 1)));
        QCOMPARE(shown, fittedRender(picture, named<QLabel>(&zoom, "imgFoto")->size()));
        QCOMPARE(named<QLabel>(&zoom, "imgFoto")->alignment(), Qt::AlignCenter);
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
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
