#include "gui/shell/TfrmPassword.h"

#include "common/Text.h"
#include "password/PasswordStore.h"
#include "password/PasswordText.h"
#include "texts/CommonTexts.h"
#include "texts/LoginTexts.h"
#include "ui/FocusFrame.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/TextButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TfrmPassword::TfrmPassword(const QString& programDir, QWidget* parent)
    : PasswordWindow(programDir, QStringLiteral("frmPassword"), logintext::loginCaption(), QSize(388, 405), parent)
{
    imgLogo
        = makePicture(this, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo-password.svg"), QSize(328, 160));
    lblIstruzioni = new QLabel(logintext::loginInstructions(), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    QFont promptFace(QStringLiteral("Verdana"));
    promptFace.setPointSize(10);
    promptFace.setBold(true);
    lblIstruzioni->setFont(promptFace);

    QWidget* fieldBox = nullptr;
    txtPassword
        = makePasswordField(QStringLiteral("txtPassword"), QStringLiteral("effPassword"), effPassword, fieldBox);
    cmdOK = makeButton(QStringLiteral("cmdOK"), commontext::okButton());
    cmdOK->setEnabled(false);
    cmdOK->setFixedSize(60, txtPassword->sizeHint().height());
    cmdEsci = makeButton(QStringLiteral("cmdEsci"), logintext::exitButton());
    btnCambiaPassword = makeButton(QStringLiteral("btnCambiaPassword"), logintext::changeButton());

    auto* fieldRow = new QHBoxLayout;
    fieldRow->setSpacing(4);
    fieldRow->addWidget(fieldBox, 1);
    fieldRow->addWidget(cmdOK);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(cmdEsci);
    bottomRow->addStretch(1);
    bottomRow->addWidget(btnCambiaPassword);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 18);
    column->setSpacing(10);
    column->addWidget(imgLogo, 0, Qt::AlignHCenter);
    column->addSpacing(16);
    column->addWidget(lblIstruzioni);
    column->addLayout(fieldRow);
    column->addStretch(1);
    column->addLayout(bottomRow);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!text::trimmed(txtPassword->text()).isEmpty());
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
            if (!text::trimmed(txtPassword->text()).isEmpty())
                cmdOKClick();
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            txtPasswordChange();
    }
    return PasswordWindow::eventFilter(watched, event);
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    PasswordWindow::showEvent(event);
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::cmdOKClick()
{
    // An empty store holds no password at all, so an empty text must never match it.
    const QString typed = passwordtext::normalised(txtPassword->text());
    if (typed.isEmpty())
        return;
    const std::optional<QString> stored = PasswordStore(programDir()).readPassword();
    if (!stored) {
        interaction().plain(this, logintext::readFailure());
        return;
    }
    if (*stored == typed) {
        emit accessGranted();
        // The hidden window keeps no copy of the password for the rest of the run.
        txtPassword->clear();
        return;
    }
    interaction().plain(this, logintext::wrongPassword());
    txtPassword->clear();
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    emit changePasswordRequested();
}

void TfrmPassword::startOver()
{
    txtPassword->clear();
    txtPassword->setFocus(Qt::OtherFocusReason);
}

} // namespace lumidex
