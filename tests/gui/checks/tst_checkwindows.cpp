#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmIban.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

using namespace lumidex;
using namespace lumidex::test;

namespace {

enum class CheckKind { CodFisc, PartitaIva, Iban };

std::unique_ptr<CheckWindow> open(CheckKind which)
{
    switch (which) {
    case CheckKind::CodFisc:
        return std::make_unique<TfrmCodFisc>();
    case CheckKind::PartitaIva:
        return std::make_unique<TfrmPartitaIva>();
    case CheckKind::Iban:
        return std::make_unique<TfrmIban>();
    }
    return nullptr;
}

QString fieldName(CheckKind which)
{
    switch (which) {
    case CheckKind::CodFisc:
        return QStringLiteral("txtCodFisc");
    case CheckKind::PartitaIva:
        return QStringLiteral("txtPartitaIva");
    case CheckKind::Iban:
        return QStringLiteral("txtIban");
    }
    return {};
}

const QString codFiscLength
    = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString codFiscValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString codFiscWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString ivaLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString ivaWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                        "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                        "che lo ha rilasciato.");
const QString ibanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString ibanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString ibanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

// Types a text key by key, as the user would, accented letters included.
void typeCheckText(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

QString ivaValid(const QString& ufficio)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
        + ufficio + QStringLiteral(".");
}

} // namespace

class TestCheckWindows : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<CheckWindow> window;

    QLineEdit* field(CheckKind which) const { return named<QLineEdit>(window.get(), fieldName(which)); }
    void showWindow()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void expectOneMessage(MessageKind kind, const QString& text)
    {
        QCOMPARE(user->messages().size(), 1);
        const auto& message = user->messages().first();
        QCOMPARE(message.kind, kind);
        QCOMPARE(message.text.toUtf8(), text.toUtf8());
        QCOMPARE(message.buttons, Buttons::OkCancel);
    }

    void tearDown() override { window.reset(); }

private slots:
    void look_data();
    void look();

    void checkMessages_data();
    void checkMessages();

    void taxCodeAndIbanAreUpperCasedAndTrimmedWhileTyping_data();
    void taxCodeAndIbanAreUpperCasedAndTrimmedWhileTyping();
    void vatFieldTakesDigitsAndEditingKeysOnly();
    void enterMovesToTheCheckButton_data();
    void enterMovesToTheCheckButton();
    void lengthWarningKeepsTheWindowOpenWithTheFocusInTheField_data();
    void lengthWarningKeepsTheWindowOpenWithTheFocusInTheField();
    void chiudiOrEscClosesWithoutAMessage_data();
    void chiudiOrEscClosesWithoutAMessage();
    void overLongHandedOverTextIsKeptWhole();
};

void TestCheckWindows::look_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QSize>("bannerSize");

    QTest::newRow("tax code") << CheckKind::CodFisc << " Controllo codice fiscale" << QSize(478, 254)
                              << "Immettere il codice fiscale e premere il pulsante di controllo." << 16
                              << QSize(421, 73);
    QTest::newRow("VAT number") << CheckKind::PartitaIva << " Controllo partita IVA" << QSize(480, 254)
                                << "Immettere il numero di partita IVA e premere il pulsante di controllo." << 11
                                << QSize(421, 73);
    QTest::newRow("IBAN") << CheckKind::Iban << " Controllo IBAN" << QSize(608, 270)
                          << "Immettere l'IBAN e premere il pulsante di controllo." << 27 << QSize(545, 85);
}

void TestCheckWindows::look()
{
    QFETCH(CheckKind, which);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QString, prompt);
    QFETCH(int, maxLength);
    QFETCH(QSize, bannerSize);

    window = open(which);
    showWindow();

    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize(), clientSize);
    QCOMPARE(window->maximumSize(), clientSize);
    QVERIFY(window->isModal());
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(window->frameGeometry().center(), window->screen()->availableGeometry().center());

    QCOMPARE(named<QLabel>(window.get(), QStringLiteral("lblTitolo"))->text(), prompt);
    QCOMPARE(named<QLabel>(window.get(), QStringLiteral("lblTitolo"))->font().family(), QStringLiteral("Arial"));
    QCOMPARE(named<QLabel>(window.get(), QStringLiteral("lblTitolo"))->font().pointSize(), 12);
    // One line, whole, in the Arial the set-up installs (a face with Arial's widths).
    auto* titolo = named<QLabel>(window.get(), QStringLiteral("lblTitolo"));
    QVERIFY(!titolo->wordWrap());
    QVERIFY2(titolo->fontMetrics().horizontalAdvance(prompt) <= titolo->contentsRect().width(),
        qPrintable(QStringLiteral("%1 > %2")
                       .arg(titolo->fontMetrics().horizontalAdvance(prompt))
                       .arg(titolo->contentsRect().width())));

    QLineEdit* edit = field(which);
    QCOMPARE(edit->maxLength(), maxLength);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(edit->font().pointSize(), 20);
    QVERIFY(edit->font().bold());
    QCOMPARE(QApplication::focusWidget(), edit);

    for (const auto& [name, text] :
        { std::pair { "btnControlla", "Controlla" }, std::pair { "btnChiudi", "Chiudi" } }) {
        auto* button = named<QPushButton>(window.get(), QString::fromLatin1(name));
        QCOMPARE(button->text(), QString::fromLatin1(text));
        QCOMPARE(button->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(button->isVisible());
    }

    // The banner must really show its picture, not an empty frame.
    auto* logo = named<QLabel>(window.get(), QStringLiteral("imgLogo"));
    QCOMPARE(logo->size(), bannerSize);
    const QImage banner = logo->pixmap().toImage();
    QCOMPARE(banner.size(), bannerSize);
    int painted = 0;
    for (int y = 0; y < banner.height(); y += 3)
        for (int x = 0; x < banner.width(); x += 3)
            painted += qAlpha(banner.pixel(x, y)) > 0;
    QVERIFY2(painted > 100, "the banner picture is empty");
}

void TestCheckWindows::checkMessages_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<QString>("handedOver");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("text");

    const auto info = MessageKind::Information;
    const auto warn = MessageKind::Warning;

    QTest::newRow("tax code typed in lower case with blanks") << CheckKind::CodFisc << ""
                                                              << "  rssmra85t10a562s " << info << codFiscValid;
    QTest::newRow("tax code handed over") << CheckKind::CodFisc << "BNCLRA92E41H501P"
                                          << "" << info << codFiscValid;
    QTest::newRow("tax code handed over in lower case") << CheckKind::CodFisc << "bnclra92e41h501p"
                                                        << "" << info << codFiscValid;
    QTest::newRow("tax code, wrong check character") << CheckKind::CodFisc << "RSSMRA85T10A562T"
                                                     << "" << warn << codFiscWrong;
    QTest::newRow("tax code ending in a digit") << CheckKind::CodFisc << ""
                                                << "RSSMRA85T10A5620" << warn << codFiscWrong;

    QTest::newRow("VAT all zeros, office without a row") << CheckKind::PartitaIva << ""
                                                         << "00000000000" << info << ivaValid(QString());
    QTest::newRow("VAT office 101") << CheckKind::PartitaIva << "" << QStringLiteral("12345671015") << info
                                    << ivaValid(QStringLiteral("Bologna 2"));
    QTest::newRow("VAT office 120") << CheckKind::PartitaIva << "07654321202" << QStringLiteral("") << info
                                    << ivaValid(QStringLiteral("Bologna 2"));
    QTest::newRow("VAT office 096") << CheckKind::PartitaIva << "" << QStringLiteral("01234560967") << info
                                    << ivaValid(QStringLiteral("Monza (Milano 2)"));
    QTest::newRow("VAT office 040") << CheckKind::PartitaIva << ""
                                    << "55555550403" << info << ivaValid(QStringLiteral("Forlì"));
    QTest::newRow("VAT office 103 has no row")
        << CheckKind::PartitaIva << "" << QStringLiteral("11223341030") << info << ivaValid(QStringLiteral(""));
    QTest::newRow("VAT wrong check digit") << CheckKind::PartitaIva << ""
                                           << "12345671016" << warn << ivaWrong;
    QTest::newRow("VAT handed over with a letter") << CheckKind::PartitaIva << "1234567101A"
                                                   << "" << warn << ivaWrong;
    QTest::newRow("VAT, letters typed are dropped") << CheckKind::PartitaIva << "" << QStringLiteral("1234a5671-015")
                                                    << info << ivaValid(QStringLiteral("Bologna 2"));

    QTest::newRow("IBAN typed in lower case") << CheckKind::Iban << ""
                                              << "it60x0542811101000000123456" << info << ibanValid;
    QTest::newRow("IBAN handed over") << CheckKind::Iban << "IT69A0306909606100000063119"
                                      << "" << info << ibanValid;
    QTest::newRow("IBAN with blanks inside, checked without them") << CheckKind::Iban << "IT03 X0542811101000000 1234"
                                                                   << "" << info << ibanValid;
    QTest::newRow("IBAN with the prefix IBAN counted in the length") << CheckKind::Iban << "IBAN DE89370400440532013000"
                                                                     << "" << info << ibanValid;
    QTest::newRow("IBAN, check digits one off") << CheckKind::Iban << ""
                                                << "IT61X0542811101000000123456" << warn << ibanWrong;
    QTest::newRow("IBAN with an accented letter")
        << CheckKind::Iban << "" << QStringLiteral("IT60X05428111010000001234È6") << warn << ibanWrong;

    QTest::newRow("tax code of 15 characters") << CheckKind::CodFisc << "RSSMRA85T10A562"
                                               << "" << warn << codFiscLength;
    QTest::newRow("empty tax code") << CheckKind::CodFisc << ""
                                    << "" << warn << codFiscLength;
    QTest::newRow("VAT of 10 digits") << CheckKind::PartitaIva << ""
                                      << "1234567101" << warn << ivaLength;
    QTest::newRow("VAT of 16 digits from the tax code field") << CheckKind::PartitaIva << "1234567101512345"
                                                              << "" << warn << ivaLength;
    QTest::newRow("IBAN of 26 characters") << CheckKind::Iban << ""
                                           << "IT60X054281110100000012345" << warn << ibanLength;
    QTest::newRow("IBAN with the grouping blanks is too long") << CheckKind::Iban << "IT60 X054 2811 1010 0000 0123 456"
                                                               << "" << warn << ibanLength;
}

void TestCheckWindows::checkMessages()
{
    QFETCH(CheckKind, which);
    QFETCH(QString, handedOver);
    QFETCH(QString, typed);
    QFETCH(MessageKind, kind);
    QFETCH(QString, text);

    window = open(which);
    if (!handedOver.isEmpty())
        window->setFieldText(handedOver);
    showWindow();
    typeCheckText(field(which), typed);
    QTest::mouseClick(named<QPushButton>(window.get(), QStringLiteral("btnControlla")), Qt::LeftButton);

    expectOneMessage(kind, text);
    const bool lengthWarning = text == codFiscLength || text == ivaLength || text == ibanLength;
    QCOMPARE(window->isVisible(), lengthWarning);
    if (!lengthWarning)
        QCOMPARE(window->result(), int(QDialog::Accepted));
}

void TestCheckWindows::taxCodeAndIbanAreUpperCasedAndTrimmedWhileTyping_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("insertedAt4");
    QTest::addColumn<QString>("shownAfterInsert");

    QTest::newRow("tax code") << CheckKind::CodFisc << " rssmra85t10  "
                              << "RSSMRA85T10"
                              << "x"
                              << "RSSMXRA85T10";
    QTest::newRow("tax code keeps accented letters")
        << CheckKind::CodFisc << QStringLiteral("rssè-") << QStringLiteral("RSSè-") << "a" << QStringLiteral("RSSèA-");
    // A blank typed at the end is gone at once; one typed inside stays.
    QTest::newRow("IBAN") << CheckKind::Iban << "  it60 x054 "
                          << "IT60X054"
                          << " "
                          << "IT60 X054";
}

void TestCheckWindows::taxCodeAndIbanAreUpperCasedAndTrimmedWhileTyping()
{
    QFETCH(CheckKind, which);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, insertedAt4);
    QFETCH(QString, shownAfterInsert);

    window = open(which);
    showWindow();
    QLineEdit* edit = field(which);
    typeCheckText(edit, typed);
    QCOMPARE(edit->text(), shown);

    // Typing in the middle keeps the cursor where the user is writing.
    edit->setCursorPosition(4);
    typeCheckText(edit, insertedAt4);
    QCOMPARE(edit->text(), shownAfterInsert);
    QCOMPARE(edit->cursorPosition(), 5);
    QVERIFY(user->messages().isEmpty());
}

void TestCheckWindows::vatFieldTakesDigitsAndEditingKeysOnly()
{
    window = open(CheckKind::PartitaIva);
    showWindow();
    QLineEdit* edit = field(CheckKind::PartitaIva);

    QTest::keyClicks(edit, QStringLiteral("12a 3-4.5,6e"));
    QCOMPARE(edit->text(), QStringLiteral("123456"));

    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("12356"));
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("1236"));
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QCOMPARE(edit->text(), QStringLiteral("12369"));

    // Keys that move elsewhere or edit by other means do nothing here.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("7"));
    QCOMPARE(edit->text(), QStringLiteral("123697"));
    QCOMPARE(QApplication::focusWidget(), edit);

    QTest::keyClicks(edit, QStringLiteral("123456789"));
    QCOMPARE(edit->text(), QStringLiteral("12369712345"));
    QVERIFY(user->messages().isEmpty());
}

void TestCheckWindows::enterMovesToTheCheckButton_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    QTest::newRow("tax code") << CheckKind::CodFisc << "RSSMRA85T10A562S" << codFiscValid;
    QTest::newRow("VAT number") << CheckKind::PartitaIva << "12345671016" << ivaWrong;
    QTest::newRow("IBAN") << CheckKind::Iban << "IT60X0542811101000000123456" << ibanValid;
}

void TestCheckWindows::enterMovesToTheCheckButton()
{
    QFETCH(CheckKind, which);
    QFETCH(QString, typed);
    QFETCH(QString, text);

    window = open(which);
    showWindow();
    typeCheckText(field(which), typed);
    auto* controlla = named<QPushButton>(window.get(), QStringLiteral("btnControlla"));
    const QImage withoutFocus = controlla->grab().toImage();
    QTest::keyClick(field(which), Qt::Key_Return);

    QCOMPARE(QApplication::focusWidget(), controlla);
    // The user sees where the focus went.
    QVERIFY(controlla->grab().toImage() != withoutFocus);
    QVERIFY(user->messages().isEmpty());
    QVERIFY(window->isVisible());

    // A second Enter presses the button that now has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(user->messages().size(), 1);
    QCOMPARE(user->messages().first().text, text);
    QVERIFY(!window->isVisible());
}

void TestCheckWindows::lengthWarningKeepsTheWindowOpenWithTheFocusInTheField_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<QString>("tooShort");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("text");

    QTest::newRow("tax code") << CheckKind::CodFisc << "RSSMRA85T10A562"
                              << "S" << codFiscValid;
    QTest::newRow("VAT number") << CheckKind::PartitaIva << "1234567101" << QStringLiteral("5")
                                << ivaValid(QStringLiteral("Bologna 2"));
    QTest::newRow("IBAN") << CheckKind::Iban << "IT60X054281110100000012345"
                          << "6" << ibanValid;
}

void TestCheckWindows::lengthWarningKeepsTheWindowOpenWithTheFocusInTheField()
{
    QFETCH(CheckKind, which);
    QFETCH(QString, tooShort);
    QFETCH(QString, rest);
    QFETCH(QString, text);

    window = open(which);
    window->setFieldText(tooShort);
    showWindow();
    auto* controlla = named<QPushButton>(window.get(), QStringLiteral("btnControlla"));
    controlla->setFocus();
    QTest::mouseClick(controlla, Qt::LeftButton);

    QCOMPARE(user->messages().size(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(QApplication::focusWidget(), field(which));
    QCOMPARE(field(which)->text(), tooShort);

    // The user completes the text and checks again in the same window.
    field(which)->end(false);
    QTest::keyClicks(field(which), rest);
    QTest::mouseClick(controlla, Qt::LeftButton);
    QCOMPARE(user->messages().size(), 2);
    QCOMPARE(user->messages().last().text, text);
    QVERIFY(!window->isVisible());
}

void TestCheckWindows::chiudiOrEscClosesWithoutAMessage_data()
{
    QTest::addColumn<CheckKind>("which");
    QTest::addColumn<bool>("escape");
    QTest::newRow("tax code, Chiudi") << CheckKind::CodFisc << false;
    QTest::newRow("VAT number, Chiudi") << CheckKind::PartitaIva << false;
    QTest::newRow("IBAN, Chiudi") << CheckKind::Iban << false;
    // Escape closes the window as "Chiudi" does, as in every other dialog.
    QTest::newRow("tax code, Esc") << CheckKind::CodFisc << true;
    QTest::newRow("VAT number, Esc") << CheckKind::PartitaIva << true;
    QTest::newRow("IBAN, Esc") << CheckKind::Iban << true;
}

void TestCheckWindows::chiudiOrEscClosesWithoutAMessage()
{
    QFETCH(CheckKind, which);
    QFETCH(bool, escape);

    window = open(which);
    window->setFieldText(QStringLiteral("12345"));
    showWindow();

    if (escape)
        QTest::keyClick(field(which), Qt::Key_Escape);
    else
        QTest::mouseClick(named<QPushButton>(window.get(), QStringLiteral("btnChiudi")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    QVERIFY(user->messages().isEmpty());
}

void TestCheckWindows::overLongHandedOverTextIsKeptWhole()
{
    // Sixteen digits reach the VAT window from the tax code field; cutting them
    // to eleven could turn them into a valid-looking VAT number.
    window = open(CheckKind::PartitaIva);
    window->setFieldText(QStringLiteral("1234567101512345"));
    showWindow();
    QLineEdit* edit = field(CheckKind::PartitaIva);
    QCOMPARE(edit->text(), QStringLiteral("1234567101512345"));

    // Removing digits works anywhere, and no digit can be added until it fits.
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("123567101512345"));
    QCOMPARE(edit->cursorPosition(), 3);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QCOMPARE(edit->text(), QStringLiteral("123567101512345"));

    edit->end(false);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1235671015"));
    QCOMPARE(edit->maxLength(), 11);
    QTest::keyClicks(edit, QStringLiteral("12"));
    QCOMPARE(edit->text(), QStringLiteral("12356710151"));
}

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
