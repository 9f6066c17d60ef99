#include "gui/shell/LinkLabel.h"
#include "gui/shell/ShowHelp.h"
#include "gui/shell/TfrmGuida.h"
#include "gui/shell/TfrmInfo.h"
#include "gui/shell/TfrmSplash.h"
#include "help/HelpPages.h"
#include "support/HelpTexts.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QUrlQuery>
#include <QtTest>
#include <memory>

using namespace lumidex;
using namespace lumidex::test;

namespace {

// The link texts: dark blue at rest, orange while the mouse button is down on them.
const QColor darkBlue = QColor::fromRgba(0xFF00008B);
const QColor orange = QColor::fromRgba(0xFFFFA500);

enum class Dialog { Guida, Info, Splash };

std::unique_ptr<QDialog> make(Dialog which, const QString& programDir)
{
    switch (which) {
    case Dialog::Guida:
        return std::make_unique<TfrmGuida>(programDir);
    case Dialog::Info:
        return std::make_unique<TfrmInfo>();
    case Dialog::Splash:
        return std::make_unique<TfrmSplash>();
    }
    return nullptr;
}

// How many pixels of the label are drawn in (nearly) this colour.
int pixelsOf(QWidget* widget, const QColor& colour)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 24 && qAbs(c.green() - colour.green()) < 24
                && qAbs(c.blue() - colour.blue()) < 24)
                ++count;
        }
    return count;
}

} // namespace

class TestInfoWindows : public ScriptedTestCase {
    Q_OBJECT

private slots:
    void linkColoursFollowTheMouse()
    {
        LinkLabel link(QStringLiteral("www.lumidex.example"));
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QSignalSpy clicked(&link, &LinkLabel::clicked);
        QCOMPARE(link.textColour(), darkBlue);
        QVERIFY(pixelsOf(&link, darkBlue) > 0);
        QCOMPARE(pixelsOf(&link, orange), 0);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link.font().underline());

        QTest::mousePress(&link, Qt::LeftButton);
        QCOMPARE(link.textColour(), orange);
        QVERIFY(pixelsOf(&link, orange) > 0);
        QCOMPARE(pixelsOf(&link, darkBlue), 0);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&link, Qt::LeftButton);
        QCOMPARE(link.textColour(), darkBlue);
        QCOMPARE(clicked.count(), 1);

        // Pressed on the link, released away from it: dark blue again, no click.
        QTest::mousePress(&link, Qt::LeftButton);
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 20, link.height() + 20));
        QCOMPARE(link.textColour(), darkBlue);
        QCOMPARE(clicked.count(), 1);
    }

    void linkIconIsPartOfTheLink()
    {
        QWidget window;
        auto* icon = new QToolButton(&window);
        icon->setFixedSize(27, 27);
        auto* link = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), &window);
        link->attachIcon(icon);
        QSignalSpy clicked(link, &LinkLabel::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(icon->cursor().shape(), Qt::PointingHandCursor);

        QTest::mousePress(icon, Qt::LeftButton);
        QCOMPARE(link->textColour(), orange);
        QTest::mouseRelease(icon, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(link->textColour(), darkBlue);
        QCOMPARE(clicked.count(), 0);

        QTest::mouseClick(icon, Qt::LeftButton);
        QCOMPARE(link->textColour(), darkBlue);
        QCOMPARE(clicked.count(), 1);
    }

    void designedLook_data()
    {
        QTest::addColumn<Dialog>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("linkText");
        QTest::addColumn<QSize>("buttonSize");
        QTest::newRow("help") << Dialog::Guida << "frmGuida"
                              << " Guida all'utilizzo del software" << QSize(670, 572)
                              << "Visualizza guida in formato PDF" << QSize(161, 38);
        QTest::newRow("information") << Dialog::Info << "frmInfo"
                                     << " Informazioni su Lumidex" << QSize(473, 579) << "info@lumidex.example"
                                     << QSize(161, 41);
        QTest::newRow("credits") << Dialog::Splash << "frmSplash"
                                 << " Lumidex - Ideazione, progetto e realizzazione: Lumidex Software"
                                 << QSize(661, 467) << "www.lumidex.example" << QSize(160, 34);
    }
    void designedLook()
    {
        QFETCH(Dialog, which);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, linkText);
        QFETCH(QSize, buttonSize);
        const auto dialog = make(which, dir->path());
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->size(), size);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(dialog->isModal());
        auto* link = named<LinkLabel>(dialog.get(), QStringLiteral("lnkWeb"));
        QCOMPARE(link->text(), linkText);
        QCOMPARE(link->textColour(), darkBlue);
        auto* chiudi = named<QPushButton>(dialog.get(), QStringLiteral("btnChiudi"));
        QCOMPARE(chiudi->text(), QStringLiteral("Chiudi"));
        QCOMPARE(chiudi->size(), buttonSize);
        named<QLabel>(dialog.get(), QStringLiteral("imgLogo"));

        // Everything is inside the window once it is laid out.
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (child->isVisible()) {
                const QRect inWindow(child->mapTo(dialog.get(), QPoint(0, 0)), child->size());
                QVERIFY2(dialog->rect().contains(inWindow), qPrintable(child->objectName()));
            }
        }

        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void linksOpenTheirTargets_data()
    {
        QTest::addColumn<Dialog>("which");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QUrl>("url");
        // The help window opens the manual of its folder, a file.
        QTest::newRow("help") << Dialog::Guida << "imgPDF" << QUrl();
        QTest::newRow("information") << Dialog::Info << "imgEmail"
                                     << QUrl(QStringLiteral("mailto:info@lumidex.example?subject=Software "
                                                            "Lumidex&body=Salve, desidererei avere le seguenti "
                                                            "informazioni sul software in oggetto:"));
        QTest::newRow("credits") << Dialog::Splash << "imgWeb" << QUrl(QStringLiteral("https://www.lumidex.example"));
    }
    void linksOpenTheirTargets()
    {
        QFETCH(Dialog, which);
        QFETCH(QString, icon);
        QFETCH(QUrl, url);
        const QString manual = dir->filePath(QStringLiteral("Guida.pdf"));
        writeBytes(manual, "%PDF-1.4 la guida");
        const auto dialog = make(which, dir->path());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto* link = named<LinkLabel>(dialog.get(), QStringLiteral("lnkWeb"));
        const auto opened = [&] { return url.isEmpty() ? user->openedFiles().size() : user->openedUrls().size(); };

        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(named<QToolButton>(dialog.get(), icon), Qt::LeftButton);
        if (url.isEmpty()) {
            QCOMPARE(user->openedFiles(), QStringList({ manual, manual }));
            QVERIFY(user->openedUrls().isEmpty());
        } else {
            QCOMPARE(user->openedUrls(), QList<QUrl>({ url, url }));
            QVERIFY(user->openedFiles().isEmpty());
        }
        // Pressing and letting go elsewhere opens nothing.
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-10, -10));
        QCOMPARE(opened(), 2);
        QCOMPARE(link->textColour(), darkBlue);
        // The window stays open, and with the desktop taking each there is nothing to tell.
        QVERIFY(dialog->isVisible());
        QVERIFY(user->messages().isEmpty());
    }

    // The mail to the maker is filled in as the user's mail program shows it.
    void mailToTheMakerHasItsSubjectAndFirstLine()
    {
        const auto dialog = make(Dialog::Info, dir->path());
        dialog->show();
        QTest::mouseClick(named<LinkLabel>(dialog.get(), QStringLiteral("lnkWeb")), Qt::LeftButton);
        QCOMPARE(user->openedUrls().size(), 1);
        const QUrl mail = user->openedUrls().constFirst();
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.path(), QStringLiteral("info@lumidex.example"));
        const QUrlQuery fields(mail);
        QCOMPARE(
            fields.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Software Lumidex"));
        QCOMPARE(fields.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
            QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
    }

    // Whatever kept the manual, the mail or the site from opening is told; the
    // window stays open for another try.
    void aLinkThatDoesNotOpenIsTold_data()
    {
        QTest::addColumn<Dialog>("which");
        QTest::addColumn<bool>("manualThere");
        QTest::addColumn<QString>("message");
        QTest::newRow("manual missing")
            << Dialog::Guida << false
            << QString::fromUtf8("Attenzione: non è stato possibile aprire la guida in formato PDF «Guida.pdf»."
                                 "\r\n\r\nFile o cartella inesistente.");
        // The folder is the test's own; the row names only what follows it.
        QTest::newRow("no application for the manual")
            << Dialog::Guida << true
            << QString::fromUtf8("Attenzione: nel sistema non è installata nessuna applicazione in grado di aprire "
                                 "la guida in formato PDF.\r\n\r\nLa guida si trova in ");
        QTest::newRow("no mail program")
            << Dialog::Info << true
            << QString::fromUtf8("Attenzione: non è stato possibile aprire un nuovo messaggio di posta elettronica."
                                 "\r\n\r\nVerificare che nel sistema sia configurato un programma di posta, oppure "
                                 "scrivere a info@lumidex.example.");
        QTest::newRow("no browser")
            << Dialog::Splash << true
            << QString::fromUtf8("Attenzione: non è stato possibile aprire il sito https://www.lumidex.example."
                                 "\r\n\r\nVerificare che nel sistema sia installato un browser, oppure digitare "
                                 "l'indirizzo nella barra del browser.");
    }
    void aLinkThatDoesNotOpenIsTold()
    {
        QFETCH(Dialog, which);
        QFETCH(bool, manualThere);
        QFETCH(QString, message);
        const QString manual = dir->filePath(QStringLiteral("Guida.pdf"));
        if (manualThere) {
            writeBytes(manual, "%PDF-1.4 la guida");
            message.replace(QStringLiteral("si trova in "),
                QStringLiteral("si trova in ") + QDir::toNativeSeparators(manual) + QLatin1Char('.'));
        }
        const auto dialog = make(which, dir->path());
        dialog->show();
        user->refuseOpens();
        QTest::mouseClick(named<LinkLabel>(dialog.get(), QStringLiteral("lnkWeb")), Qt::LeftButton);
        QCOMPARE(user->openedFiles().size() + user->openedUrls().size(), 1);
        QCOMPARE(user->messages(), onlyMessage(MessageKind::Warning, message, Buttons::Ok));
        QVERIFY(dialog->isVisible());
        // Taken the next time, it opens without a word.
        user->clear();
        QTest::mouseClick(named<LinkLabel>(dialog.get(), QStringLiteral("lnkWeb")), Qt::LeftButton);
        QCOMPARE(user->openedFiles().size() + user->openedUrls().size(), 1);
        QVERIFY(user->messages().isEmpty());
    }

    void helpWindowBeforeAnyPage()
    {
        TfrmGuida help(dir->path());
        QCOMPARE(named<QLabel>(&help, "lblTitolo")->text(), QStringLiteral("Argomento della guida."));
        QCOMPARE(named<QPlainTextEdit>(&help, "txtGuida")->toPlainText(), QString());
        QVERIFY(named<QPlainTextEdit>(&help, "txtGuida")->isReadOnly());
        QCOMPARE(named<QPlainTextEdit>(&help, "txtGuida")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(named<QPlainTextEdit>(&help, "txtGuida")->size(), QSize(625, 350));
        QCOMPARE(named<QToolButton>(&help, "imgPDF")->size(), QSize(27, 27));
    }

    void helpShowsThePage_data()
    {
        QTest::addColumn<HelpPage>("page");
        for (HelpPage page : helptexts::allPages())
            QTest::newRow(qPrintable(helptexts::title(page))) << page;
    }
    void helpShowsThePage()
    {
        QFETCH(HelpPage, page);
        QWidget owner;
        QString title;
        QString text;
        QStringList blocks;
        QString ownerName;
        user->onDialog([&](QDialog& dialog) {
            auto& help = dynamic_cast<TfrmGuida&>(dialog);
            QVERIFY(dialog.parentWidget() == &owner);
            title = named<QLabel>(&help, "lblTitolo")->text();
            text = named<QPlainTextEdit>(&help, "txtGuida")->toPlainText();
            for (QTextBlock b = named<QPlainTextEdit>(&help, "txtGuida")->document()->begin(); b.isValid();
                 b = b.next())
                blocks << b.text();
            // Its PDF link finds the manual of the folder it was given.
            help.lnkWebClick();
        });
        showHelp(&owner, dir->path(), page);
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(title.toUtf8(), helptexts::title(page).toUtf8());
        // The text box keeps paragraphs as lines of its own: each CR LF of the page
        // is one line break on screen, so the page reads back with LF in its place.
        QString shown = text;
        shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QCOMPARE(shown.toUtf8(), helptexts::paragraphs(page).join(QStringLiteral("\r\n\r\n")).toUtf8());
        // Paragraphs with one empty line between them, none before or after.
        QStringList expected;
        for (const QString& paragraph : helptexts::paragraphs(page))
            expected << paragraph << QString();
        expected.removeLast();
        QCOMPARE(blocks, expected);
        QCOMPARE(user->openedFiles(), QStringList { dir->filePath(QStringLiteral("Guida.pdf")) });
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
