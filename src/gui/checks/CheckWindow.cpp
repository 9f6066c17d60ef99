#include "gui/checks/CheckWindow.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "storage/TextField.h"
#include "texts/CheckTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TextButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

QString checkStyleSheetFor(const CheckWindowLook& look)
{
    const QString gradient = style::verticalGradientToWhite(look.gradientTop);
    return QStringLiteral("QDialog#%1 { background: %2; }"
                          "QFrame#rectangle { background: #F8FBFF; border: 1px solid #C0C8D0;"
                          " border-radius: 6px; }"
                          "QFrame#band { background: %2; border: none; border-radius: 4px; }"
                          "QLabel { background: transparent; border: none; }"
                          "QLineEdit { font-family: 'Courier New'; font-size: 20pt; font-weight: bold; }"
                          "QPushButton { font-family: Verdana; padding: 4px 14px; border: 1px solid #8FA8C0;"
                          " border-radius: 4px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                          " stop:0 #FFFFFF, stop:1 #E4ECF4); }"
                          "QPushButton:hover { background: #F0F8FF; }"
                          "QPushButton:pressed { background: #D6E4F0; }"
                          // Where Enter has taken the focus, the user sees it.
                          "QPushButton:focus { border: 2px solid #3030DD; padding: 3px 13px; }")
        .arg(look.windowName, gradient);
}

} // namespace

CheckWindow::CheckWindow(const CheckWindowLook& look, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_look(look)
{
    setUpFixedWindow(this, look.windowName, look.caption, look.clientSize);
    setModal(true);
    setStyleSheet(checkStyleSheetFor(look));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    auto* rectangle = new QFrame(panel);
    rectangle->setObjectName(QStringLiteral("rectangle"));

    imgLogo = new QLabel(rectangle);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(look.bannerSize);
    imgLogo->setPixmap(picturePixmap(look.banner, look.bannerSize));

    lblTitolo = new QLabel(look.prompt, rectangle);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    // One line in Arial 12, as wide as the window allows: the VAT number's prompt
    // needs nearly all of it, so its letters sit a shade closer than Arial's own.
    QFont prompt(QStringLiteral("Arial"));
    prompt.setPointSize(12);
    prompt.setLetterSpacing(QFont::PercentageSpacing, 97);
    lblTitolo->setFont(prompt);
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    auto* band = new QFrame(rectangle);
    band->setObjectName(QStringLiteral("band"));
    m_field = new QLineEdit(band);
    m_field->setObjectName(look.fieldName);
    m_field->setMaxLength(look.maxLength);
    m_field->installEventFilter(this);
    btnControlla = makeTextButton(band, QStringLiteral("btnControlla"), checktext::checkButton());
    btnChiudi = makeTextButton(rectangle, QStringLiteral("btnChiudi"), checktext::closeButton());

    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(8, 6, 8, 6);
    bandLayout->addWidget(m_field, 1);
    bandLayout->addWidget(btnControlla);

    auto* chiudiRow = new QHBoxLayout;
    chiudiRow->addStretch(1);
    chiudiRow->addWidget(btnChiudi);

    auto* rectangleLayout = new QVBoxLayout(rectangle);
    rectangleLayout->setContentsMargins(4, 6, 4, 8);
    rectangleLayout->setSpacing(6);
    rectangleLayout->addWidget(imgLogo, 0, Qt::AlignHCenter);
    rectangleLayout->addWidget(lblTitolo);
    rectangleLayout->addWidget(band);
    rectangleLayout->addLayout(chiudiRow);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(rectangle);

    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(4, 6, 4, 6);
    windowLayout->addWidget(panel);

    connect(btnControlla, &QPushButton::clicked, this, [this] { btnControllaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &CheckWindow::btnChiudiClick);
    connect(m_field, &QLineEdit::textEdited, this, [this] {
        if (m_look.typing == CheckWindowLook::Typing::UpperCaseTrimmed)
            normaliseTypedText();
        lowerLengthCeiling();
    });
}

void CheckWindow::setFieldText(const QString& text)
{
    m_field->setMaxLength(qMax(m_look.maxLength, int(text.size())));
    m_field->setText(text);
}

QString CheckWindow::fieldText() const
{
    return m_field->text();
}

void CheckWindow::warnLength(const QString& text)
{
    interaction().message(this, MessageKind::Warning, text, Buttons::OkCancel);
    m_field->setFocus();
}

void CheckWindow::reportAndClose(MessageKind kind, const QString& text)
{
    interaction().message(this, kind, text, Buttons::OkCancel);
    accept();
}

void CheckWindow::btnChiudiClick()
{
    reject();
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        if (event->type() == QEvent::KeyPress)
            return filterFieldKey(static_cast<QKeyEvent*>(event));
        // The text is put right after every keystroke too, not only when it
        // changes, so that a handed-over text in lower case is fixed as soon as
        // the user touches the field.
        if (event->type() == QEvent::KeyRelease && m_look.typing == CheckWindowLook::Typing::UpperCaseTrimmed)
            normaliseTypedText();
    }
    return QDialog::eventFilter(watched, event);
}

bool CheckWindow::filterFieldKey(QKeyEvent* key)
{
    if (isEnterKey(key->key())) {
        // Enter leads to the check button rather than pressing the default button
        // at once, so the user sees the text once more before checking it.
        btnControlla->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (m_look.typing != CheckWindowLook::Typing::DigitsOnly)
        return false;
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    // Escape types nothing: it closes the window, as "Chiudi" does.
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString typed = key->text();
    const bool digit = typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9';
    return !digit;
}

void CheckWindow::normaliseTypedText()
{
    const QString text = m_field->text();
    const QString normal = text::upperAscii(text::trimmed(text));
    if (normal == text)
        return;
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].unicode() <= 32)
        ++leading;
    const qsizetype cursor = qBound<qsizetype>(0, m_field->cursorPosition() - leading, normal.size());
    m_field->setText(normal);
    m_field->setCursorPosition(int(cursor));
}

void CheckWindow::lowerLengthCeiling()
{
    // A handed-over text longer than the field may only get shorter; once it fits,
    // the field's own maximum applies again.
    const int ceiling = qMax(m_look.maxLength, int(m_field->text().size()));
    if (m_field->maxLength() == ceiling)
        return;
    const int cursor = m_field->cursorPosition();
    m_field->setMaxLength(ceiling);
    m_field->setCursorPosition(cursor);
}

void CheckWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    m_field->setFocus();
}

} // namespace lumidex
