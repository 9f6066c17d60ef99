#include "gui/shell/TfrmCambiaPassword.h"

#include "common/Text.h"
#include "password/PasswordStore.h"
#include "password/PasswordText.h"
#include "texts/CommonTexts.h"
#include "texts/LoginTexts.h"
#include "ui/FocusFrame.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/TextButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TfrmCambiaPassword::TfrmCambiaPassword(const QString& programDir, QWidget* parent)
    : PasswordWindow(
        programDir, QStringLiteral("frmCambiaPassword"), logintext::changeCaption(), QSize(411, 418), parent)
{
    imgLogo = makePicture(
        this, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo-cambia-password.svg"), QSize(353, 148));

    QFont captionFace(QStringLiteral("Verdana"));
    captionFace.setPointSize(10);
    captionFace.setBold(true);
    auto* fields = new QVBoxLayout;
    fields->setSpacing(0);
    auto addField = [&](const QString& caption, const QString& name, const QString& frameName, FocusFrame*& frame) {
        QWidget* box = nullptr;
        QLineEdit* field = makePasswordField(name, frameName, frame, box);
        auto* label = new QLabel(caption, this);
        label->setFont(captionFace);
        label->setBuddy(field);
        label->setContentsMargins(FocusFrame::reach, 0, 0, 0);
        fields->addWidget(label);
        fields->addWidget(box);
        return field;
    };
    txtPasswordOld = addField(
        logintext::oldPassword(), QStringLiteral("txtPasswordOld"), QStringLiteral("effPasswordOld"), effPasswordOld);
    txtPasswordNew = addField(
        logintext::newPassword(), QStringLiteral("txtPasswordNew"), QStringLiteral("effPasswordNew"), effPasswordNew);
    txtConferma = addField(
        logintext::confirmPassword(), QStringLiteral("txtConferma"), QStringLiteral("effConferma"), effConferma);

    cmdEsci = makeButton(QStringLiteral("cmdEsci"), commontext::closeButton());
    cmdOK = makeButton(QStringLiteral("cmdOK"), commontext::okButton());
    cmdOK->setEnabled(false);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(cmdEsci);
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdOK);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 18);
    column->setSpacing(10);
    column->addWidget(imgLogo, 0, Qt::AlignHCenter);
    column->addLayout(fields);
    column->addStretch(1);
    column->addLayout(bottomRow);

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    for (QLineEdit* field : { txtPasswordOld, txtPasswordNew, txtConferma }) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::fieldsChange);
    }
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

bool TfrmCambiaPassword::allFilled() const
{
    const auto filled = [](const QLineEdit* field) { return !text::trimmed(field->text()).isEmpty(); };
    return filled(txtPasswordOld) && filled(txtPasswordNew) && filled(txtConferma);
}

void TfrmCambiaPassword::fieldsChange()
{
    cmdOK->setEnabled(allFilled());
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma) {
        if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
            // Enter walks round the three fields and never confirms the change.
            QLineEdit* next = watched == txtPasswordOld ? txtPasswordNew
                : watched == txtPasswordNew             ? txtConferma
                                                        : txtPasswordOld;
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            fieldsChange();
    }
    return PasswordWindow::eventFilter(watched, event);
}

void TfrmCambiaPassword::clearFields()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    PasswordWindow::showEvent(event);
    clearFields();
    txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    PasswordWindow::closeEvent(event);
    // Hidden until the next change, the window keeps none of the passwords typed.
    clearFields();
}

void TfrmCambiaPassword::refuseNewPassword(const QString& message)
{
    interaction().plain(this, message);
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordNew->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::cmdOKClick()
{
    // An empty password could never be typed at the login; OK is never enabled for one.
    if (!allFilled())
        return;
    const PasswordStore store(programDir());
    const std::optional<QString> stored = store.readPassword();
    if (!stored) {
        interaction().plain(this, logintext::changeFailure());
        return;
    }
    if (*stored != passwordtext::normalised(txtPasswordOld->text())) {
        interaction().plain(this, logintext::wrongOldPassword());
        txtPasswordOld->clear();
        txtPasswordOld->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString fresh = text::trimmed(txtPasswordNew->text());
    if (fresh != text::trimmed(txtConferma->text())) {
        refuseNewPassword(logintext::notConfirmed());
        return;
    }
    // The store keeps one byte per character; a character beyond that would be
    // stored mangled and the new password could never be typed again.
    if (!passwordtext::isStorable(fresh)) {
        refuseNewPassword(logintext::notStorable());
        return;
    }
    FailureCause cause;
    if (!store.writePassword(fresh, &cause)) {
        interaction().plain(this, withCause(logintext::changeFailure(), cause));
        return;
    }
    interaction().plain(this, logintext::changed());
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}

} // namespace lumidex
