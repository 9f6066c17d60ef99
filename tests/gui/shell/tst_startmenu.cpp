#include "gui/shell/LinkLabel.h"
#include "gui/shell/TfrmAvvio.h"
#include "gui/shell/TfrmGuida.h"
#include "gui/shell/TfrmInfo.h"
#include "gui/shell/TfrmSplash.h"
#include "help/HelpPages.h"
#include "support/HelpTexts.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestStartMenu : public ScriptedTestCase {
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("clickable");
        QTest::newRow("imgInfo") << "imgInfo" << QSize(30, 30) << true;
        QTest::newRow("imgIcona") << "imgIcona" << QSize(69, 74) << false;
        QTest::newRow("imgTitolo") << "imgTitolo" << QSize(763, 65) << false;
        QTest::newRow("imgGuida") << "imgGuida" << QSize(29, 28) << true;
        QTest::newRow("imgCopia") << "imgCopia" << QSize(29, 28) << true;
        QTest::newRow("imgSottotitolo") << "imgSottotitolo" << QSize(961, 22) << false;
        for (const char* name : { "imgAnagrafica", "imgDonne", "imgUomini" })
            QTest::newRow(name) << name << QSize(288, 268) << true;
        for (const char* name : { "linSepara01", "linSepara02" })
            QTest::newRow(name) << name << QSize(970, 12) << false;
        for (const char* name : { "btnAnagrafica", "btnDonne", "btnUomini" })
            QTest::newRow(name) << name << QSize(308, 30) << true;
        for (const char* name : { "appAnagrafica", "appDonne", "appUomini" })
            QTest::newRow(name) << name << QSize(215, 127) << true;
        QTest::newRow("imgSito") << "imgSito" << QSize(961, 22) << true;
        QTest::newRow("imgCopyright") << "imgCopyright" << QSize(23, 22) << true;
        QTest::newRow("imgEsci") << "imgEsci" << QSize(17, 18) << true;
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, clickable);
        TfrmAvvio menu(dir->path());
        QWidget* control = named<QWidget>(&menu, name);
        QCOMPARE(control->size(), size);
        QCOMPARE(qobject_cast<QToolButton*>(control) != nullptr, clickable);
        if (clickable)
            QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
    }

    void look()
    {
        TfrmAvvio menu(dir->path());
        QCOMPARE(menu.objectName(), QStringLiteral("frmAvvio"));
        QCOMPARE(menu.windowTitle(), QStringLiteral(" Lumidex"));
        QCOMPARE(named<QWidget>(&menu, QStringLiteral("panSfondo"))->size(), QSize(995, 692));
        menu.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        // Everything on the sheet fits inside it.
        const QRect sheet = named<QWidget>(&menu, QStringLiteral("panSfondo"))->rect();
        for (QWidget* child : named<QWidget>(&menu, QStringLiteral("panSfondo"))->findChildren<QWidget*>())
            QVERIFY2(sheet.contains(child->geometry()), qPrintable(child->objectName()));
    }

    void creatingTheMenuSetsTheNumberFormat()
    {
        QLocale::setDefault(QLocale::c());
        TfrmAvvio menu(dir->path());
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
    }

    void placesToGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("place");
        const char* registry[] = { "imgAnagrafica", "btnAnagrafica", "appAnagrafica" };
        const char* women[] = { "imgDonne", "btnDonne", "appDonne" };
        const char* men[] = { "imgUomini", "btnUomini", "appUomini" };
        for (const char* name : registry)
            QTest::newRow(name) << name << 0;
        for (const char* name : women)
            QTest::newRow(name) << name << 1;
        for (const char* name : men)
            QTest::newRow(name) << name << 2;
    }
    void placesToGo()
    {
        QFETCH(QString, name);
        QFETCH(int, place);
        TfrmAvvio menu(dir->path());
        QSignalSpy registry(&menu, &TfrmAvvio::registryRequested);
        QSignalSpy women(&menu, &TfrmAvvio::womenBooksRequested);
        QSignalSpy men(&menu, &TfrmAvvio::menBooksRequested);
        QSignalSpy closed(&menu, &TfrmAvvio::closed);
        menu.showMaximized();
        QTest::mouseClick(named<QToolButton>(&menu, name), Qt::LeftButton);
        QCOMPARE(registry.count(), place == 0 ? 1 : 0);
        QCOMPARE(women.count(), place == 1 ? 1 : 0);
        QCOMPARE(men.count(), place == 2 ? 1 : 0);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(user->dialogsRun(), 0);
    }

    void exitPictureAndWindowCloseBothEnd()
    {
        TfrmAvvio menu(dir->path());
        QSignalSpy closed(&menu, &TfrmAvvio::closed);
        menu.showMaximized();
        QTest::mouseClick(named<QToolButton>(&menu, "imgEsci"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!menu.isVisible());
        menu.showMaximized();
        QVERIFY(menu.close());
        QCOMPARE(closed.count(), 2);
        // No question on the way out.
        QVERIFY(user->messages().isEmpty());
    }

    void siteOpensTheWebAddressUnquoted()
    {
        TfrmAvvio menu(dir->path());
        menu.showMaximized();
        QTest::mouseClick(named<QToolButton>(&menu, "imgSito"), Qt::LeftButton);
        QCOMPARE(user->openedUrls(), QList<QUrl> { QUrl(QStringLiteral("https://www.lumidex.example")) });
        QVERIFY(menu.isVisible());
        QVERIFY(user->messages().isEmpty());
    }

    void siteThatDoesNotOpenIsTold()
    {
        TfrmAvvio menu(dir->path());
        menu.showMaximized();
        user->refuseOpens();
        QTest::mouseClick(named<QToolButton>(&menu, "imgSito"), Qt::LeftButton);
        QCOMPARE(user->openedUrls(), QList<QUrl> { QUrl(QStringLiteral("https://www.lumidex.example")) });
        QCOMPARE(user->messages(),
            onlyMessage(MessageKind::Warning,
                QString::fromUtf8("Attenzione: non è stato possibile aprire il sito https://www.lumidex.example."
                                  "\r\n\r\nVerificare che nel sistema sia installato un browser, oppure digitare "
                                  "l'indirizzo nella barra del browser."),
                Buttons::Ok));
        QVERIFY(menu.isVisible());
    }

    // The site strip and the credits picture show the address that their links
    // open: a change of address must reach the artwork too.
    void picturesShowTheMakersAddress_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::newRow("site strip") << ":/pictures/sito.svg";
        QTest::newRow("credits") << ":/pictures/crediti.svg";
    }
    void picturesShowTheMakersAddress()
    {
        QFETCH(QString, resource);
        QFile picture(resource);
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QString host = QStringLiteral("www.lumidex.example");
        QVERIFY2(QString::fromUtf8(picture.readAll()).contains(host), qPrintable(host));
    }

    void helpShowsTheIntroductionPage()
    {
        TfrmAvvio menu(dir->path());
        QString title;
        QString text;
        QWidget* owner = nullptr;
        user->onDialog([&](QDialog& dialog) {
            auto& help = dynamic_cast<TfrmGuida&>(dialog);
            title = named<QLabel>(&help, "lblTitolo")->text();
            text = named<QPlainTextEdit>(&help, "txtGuida")->toPlainText();
            owner = help.parentWidget();
        });
        menu.showMaximized();
        QTest::mouseClick(named<QToolButton>(&menu, "imgGuida"), Qt::LeftButton);
        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmGuida") });
        QCOMPARE(owner, &menu);
        QCOMPARE(title, helptexts::title(HelpPage::Introduction));
        QCOMPARE(text, helptexts::paragraphs(HelpPage::Introduction).join(QStringLiteral("\n\n")));
    }

    // Each opening is a new window in its designed state, whatever the previous
    // one went through: here its link is left pressed (orange) when it closes.
    void dialogsStartFresh_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("dialogClass");
        QTest::newRow("information") << "imgInfo"
                                     << "lumidex::TfrmInfo";
        QTest::newRow("credits") << "imgCopyright"
                                 << "lumidex::TfrmSplash";
        QTest::newRow("help") << "imgGuida"
                              << "lumidex::TfrmGuida";
    }
    void dialogsStartFresh()
    {
        QFETCH(QString, picture);
        QFETCH(QString, dialogClass);
        TfrmAvvio menu(dir->path());
        QList<QColor> coloursOnOpening;
        QList<bool> modal;
        user->onDialog([&](QDialog& dialog) {
            auto* link = named<LinkLabel>(&dialog, QStringLiteral("lnkWeb"));
            coloursOnOpening << link->textColour();
            modal << dialog.isModal();
            QTest::mousePress(link, Qt::LeftButton);
            // Orange while the button is down.
            QCOMPARE(link->textColour(), QColor::fromRgba(0xFFFFA500));
            dialog.reject();
        });
        menu.showMaximized();
        QToolButton* button = named<QToolButton>(&menu, picture);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(user->dialogClasses(), QStringList({ dialogClass, dialogClass }));
        // Dark blue, as a link at rest.
        QCOMPARE(coloursOnOpening, QList<QColor>(2, QColor::fromRgba(0xFF00008B)));
        QCOMPARE(modal, QList<bool>({ true, true }));
        QVERIFY(user->openedUrls().isEmpty());
        // The dialogs were owned by the menu and are gone with their handler.
        QVERIFY(menu.findChildren<QDialog*>().isEmpty());
    }
};

QTEST_MAIN(TestStartMenu)
#include "tst_startmenu.moc"
