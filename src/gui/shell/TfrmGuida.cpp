#include "gui/shell/TfrmGuida.h"

#include "common/ReadableFile.h"
#include "gui/shell/LinkLabel.h"
#include "help/HelpPages.h"
#include "texts/ShellTexts.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

ShellDialog::Look guidaLook()
{
    return { QStringLiteral("frmGuida"), shelltext::helpCaption(), QSize(670, 572), Qt::white, QColor(0xBF, 0xD8, 0xEF),
        QSize(642, 540), ShellDialog::Placement::Screen };
}

} // namespace

TfrmGuida::TfrmGuida(const QString& programDir, QWidget* parent)
    : ShellDialog(guidaLook(), parent)
    , m_programDir(programDir)
{
    QFrame* sheet = panel();

    auto* logoBox = new QFrame(sheet);
    logoBox->setObjectName(QStringLiteral("shpLogo"));
    logoBox->setStyleSheet(QStringLiteral("QFrame#shpLogo { background: white; border: 1px solid #F5DEB3; }"));
    imgLogo
        = makePicture(logoBox, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo-guida.svg"), QSize(587, 69));
    auto* logoLayout = new QHBoxLayout(logoBox);
    logoLayout->setContentsMargins(8, 4, 8, 4);
    logoLayout->addWidget(imgLogo, 0, Qt::AlignCenter);

    lblTitolo = new QLabel(shelltext::helpTitle(), sheet);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setTextFormat(Qt::PlainText);
    QFont titleFace(QStringLiteral("Arial"));
    titleFace.setPointSize(16);
    titleFace.setBold(true);
    lblTitolo->setFont(titleFace);
    lblTitolo->setStyleSheet(QStringLiteral("QLabel { color: #DC143C; }"));

    txtGuida = new QPlainTextEdit(sheet);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setFixedSize(625, 350);
    QFont textFace(QStringLiteral("Verdana"));
    textFace.setPointSize(12);
    textFace.setBold(true);
    txtGuida->setFont(textFace);

    imgPDF = makePictureButton(
        sheet, QStringLiteral("imgPDF"), QStringLiteral(":/icons/pdf.svg"), QSize(27, 27), shelltext::helpPdf());
    lnkWeb = new LinkLabel(shelltext::helpPdf(), sheet);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->attachIcon(imgPDF);
    btnChiudi = makeCloseButton(sheet, QSize(161, 38));

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);

    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(8, 8, 8, 10);
    column->setSpacing(8);
    column->addWidget(logoBox);
    column->addWidget(lblTitolo);
    column->addWidget(txtGuida, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addLayout(bottom);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    btnChiudi->setFocus();
}

void TfrmGuida::showPage(const QString& title, const QString& text)
{
    lblTitolo->setText(title);
    txtGuida->setPlainText(text);
}

void TfrmGuida::lnkWebClick()
{
    const QString fileName = QString::fromUtf16(help::manualFileName);
    const QString manual = QDir(m_programDir).filePath(fileName);
    if (interaction().openFile(manual))
        return;
    // The window stays open either way; the user hears what kept the manual shut.
    const FailureCause unreadable = readFailureOf(manual);
    const QString message = unreadable.isKnown() ? withCause(shelltext::manualUnreadable(fileName), unreadable)
                                                 : shelltext::manualNoApplication(QDir::toNativeSeparators(manual));
    interaction().message(this, MessageKind::Warning, message, Buttons::Ok);
}

} // namespace lumidex
