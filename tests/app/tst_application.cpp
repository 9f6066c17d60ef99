#include "app/Application.h"

#include "common/FitToFrame.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "support/ScriptedInteraction.h"
#include "ui/RealInteraction.h"

#include <QLocale>
#include <QUrl>
#include <QtTest>
#include <stdexcept>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// A handler that fails the way a window's handler can fail when nothing catches.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Il file di prova non esiste.");
        return QObject::event(event);
    }
};

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void uncaughtErrorsAreReportedWithTheirOwnText()
    {
        ScriptedInteraction user;
        FailingObject failing;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&failing, &event);
        QCOMPARE(user.messages().size(), 1);
        QCOMPARE(user.messages().at(0).kind, MessageKind::Error);
        QCOMPARE(user.messages().at(0).buttons, Buttons::Ok);
        QCOMPARE(user.messages().at(0).text, QStringLiteral("Il file di prova non esiste."));

        // The program carries on: the next event is handled as usual.
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&failing, &again);
        QCOMPARE(user.messages().size(), 2);
    }

    void standardButtonsSpeakItalian()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
    }

    void datesAndNumbersUseTheItalianForms()
    {
        applyFormatSettings();
        QCOMPARE(formatShortDate(QDate(2026, 3, 7)), QStringLiteral("07/03/2026"));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
    }

    void upperCasingTouchesOnlyAsciiLetters()
    {
        QCOMPARE(text::upperAscii(QStringLiteral("àbc-é1z")), QStringLiteral("àBC-é1Z"));
    }

    void picturesFitTheirFrame_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("fitted");
        const QSize photoFrame(307, 409);
        QTest::newRow("landscape") << QSize(4000, 3000) << photoFrame << QSize(307, 230);
        QTest::newRow("portrait") << QSize(3000, 4000) << photoFrame << QSize(306, 409);
        QTest::newRow("tall") << QSize(100, 1000) << photoFrame << QSize(40, 409);
        QTest::newRow("square") << QSize(500, 500) << photoFrame << QSize(307, 307);
        QTest::newRow("small is enlarged") << QSize(30, 40) << photoFrame << QSize(306, 409);
        QTest::newRow("sliver keeps a pixel") << QSize(9000, 1) << photoFrame << QSize(307, 1);
        QTest::newRow("no picture") << QSize(0, 0) << photoFrame << QSize();
        QTest::newRow("no frame") << QSize(10, 10) << QSize(0, 0) << QSize();
    }

    void picturesFitTheirFrame()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, frame);
        QFETCH(QSize, fitted);
        QCOMPARE(fitInto(picture, frame), fitted);
    }

    void programFiltersBecomeQtFilters()
    {
        QCOMPARE(RealInteraction::qtFilter(
                     QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp")),
            QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        // Every file, names without a dot included.
        QCOMPARE(
            RealInteraction::qtFilter(QStringLiteral("Tutti i file (*.*)|*.*")), QStringLiteral("Tutti i file (*)"));
    }
};

// The program's own application, with its Italian translations, in place of QApplication.
QTEST_MAIN_WRAPPER(TestApplication, LumidexApplication app(argc, argv); installItalianTranslations(app);)

#include "tst_application.moc"
