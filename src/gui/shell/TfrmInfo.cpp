#include "gui/shell/TfrmInfo.h"

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
#include <QVBoxLayout>

namespace lumidex {

namespace {

ShellDialog::Look infoLook()
{
    return { QStringLiteral("frmInfo"), shelltext::infoCaption(), QSize(473, 579), Qt::black, Qt::white,
        QSize(442, 490), ShellDialog::Placement::Screen };
}

} // namespace

TfrmInfo::TfrmInfo(QWidget* parent)
    : ShellDialog(infoLook(), parent)
{
    QFrame* sheet = panel();
    imgLogo
        = makePicture(sheet, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo-lumidex.svg"), QSize(392, 54));

    auto* area = new QWidget(sheet);
    area->setObjectName(QStringLiteral("panInformazioni"));
    area->setFixedWidth(425);
    lblInfo = new QLabel(shelltext::infoLine(), area);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignCenter);
    QFont headingFace(QStringLiteral("Arial"));
    headingFace.setPointSize(14);
    lblInfo->setFont(headingFace);
    lblInfo->setStyleSheet(QStringLiteral("QLabel { color: #DC143C; }"));
    imgInfoAnagrafica = makePicture(
        area, QStringLiteral("imgInfoAnagrafica"), QStringLiteral(":/pictures/info-anagrafica.svg"), QSize(205, 170));
    imgInfoBook
        = makePicture(area, QStringLiteral("imgInfoBook"), QStringLiteral(":/pictures/info-book.svg"), QSize(205, 170));
    auto* pictures = new QHBoxLayout;
    pictures->setSpacing(15);
    pictures->addWidget(imgInfoAnagrafica);
    pictures->addWidget(imgInfoBook);
    lblDescrizione = new QLabel(shelltext::infoDescription(), area);
    lblDescrizione->setObjectName(QStringLiteral("lblDescrizione"));
    lblDescrizione->setWordWrap(true);
    lblDescrizione->setAlignment(Qt::AlignCenter);
    lblDescrizione->setStyleSheet(QStringLiteral("QLabel { color: #24507A; }"));
    lblVersione = new QLabel(shelltext::infoVersion(), area);
    lblVersione->setObjectName(QStringLiteral("lblVersione"));
    lblVersione->setAlignment(Qt::AlignCenter);
    lblVersione->setStyleSheet(QStringLiteral("QLabel { color: #427AA8; }"));
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(16);
    areaLayout->addWidget(lblInfo);
    areaLayout->addLayout(pictures);
    areaLayout->addWidget(lblDescrizione);
    areaLayout->addWidget(lblVersione);

    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(8, 20, 8, 16);
    sheetLayout->setSpacing(24);
    sheetLayout->addWidget(imgLogo, 0, Qt::AlignHCenter);
    sheetLayout->addWidget(area, 0, Qt::AlignHCenter);
    sheetLayout->addStretch(1);

    imgEmail = makePictureButton(this, QStringLiteral("imgEmail"), QStringLiteral(":/icons/email-piccola.svg"),
        QSize(23, 16), shelltext::infoMailTip());
    lnkWeb = new LinkLabel(QString::fromUtf16(maker::emailAddress), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->attachIcon(imgEmail);
    btnChiudi = makeCloseButton(this, QSize(161, 41), 12);

    // The panel fills the top of the window; the link and the button sit under it.
    auto* outer = static_cast<QVBoxLayout*>(layout());
    outer->setContentsMargins(15, 12, 15, 12);
    outer->setAlignment(sheet, Qt::AlignHCenter | Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(imgEmail);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);
    outer->addStretch(1);
    outer->addLayout(bottom);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    btnChiudi->setFocus();
}

void TfrmInfo::lnkWebClick()
{
    writeToMaker(this);
}

} // namespace lumidex
