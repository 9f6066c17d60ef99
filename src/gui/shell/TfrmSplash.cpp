#include "gui/shell/TfrmSplash.h"

#include "gui/shell/LinkLabel.h"
#include "gui/shell/MakerLinks.h"
#include "texts/MakerContacts.h"
#include "texts/ShellTexts.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace lumidex {

namespace {

ShellDialog::Look splashLook()
{
    return { QStringLiteral("frmSplash"), shelltext::creditsCaption(), QSize(661, 467), Qt::white,
        QColor(0x35, 0x25, 0x25), QSize(642, 448), ShellDialog::Placement::Owner };
}

// The address as the user reads it, without the scheme the shell needs.
QString shownWebAddress()
{
    const QString address = QString::fromUtf16(maker::webAddress);
    const QString host = QUrl(address).host();
    return host.isEmpty() ? address : host;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : ShellDialog(splashLook(), parent)
{
    QFrame* sheet = panel();
    imgLogo = makePicture(sheet, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/crediti.svg"), QSize(625, 380));
    imgWeb = makePictureButton(
        sheet, QStringLiteral("imgWeb"), QStringLiteral(":/icons/web.svg"), QSize(39, 36), shelltext::creditsSiteTip());
    lnkWeb = new LinkLabel(shownWebAddress(), sheet);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->attachIcon(imgWeb);
    btnChiudi = makeCloseButton(sheet, QSize(160, 34));

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(imgWeb);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);

    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(8, 8, 8, 10);
    column->setSpacing(10);
    column->addWidget(imgLogo, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addLayout(bottom);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    btnChiudi->setFocus();
}

void TfrmSplash::lnkWebClick()
{
    openMakerSite(this);
}

} // namespace lumidex
