#include "ui/OutputChoiceWindow.h"

#include "texts/CommonTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TextButton.h"
#include "ui/TextLabel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace lumidex {

namespace {

const QSize pictureSize(72, 72);

QPushButton* makeChoiceButton(QWidget* parent, const QString& name, const QString& text)
{
    QPushButton* button = makeTextButton(parent, name, text);
    button->setFixedSize(145, 28);
    button->setAutoDefault(false);
    return button;
}

} // namespace

OutputChoiceWindow::OutputChoiceWindow(const Look& look, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , panSfondo(new QFrame(this))
    , imgIcona(makePicture(panSfondo, QStringLiteral("imgIcona"), look.picture, pictureSize))
    , lblTitolo(makeTextLabel(panSfondo, QStringLiteral("lblTitolo"), look.title))
    , lblSpiegazione(makeTextLabel(panSfondo, QStringLiteral("lblSpiegazione"), look.explanation))
    , shpBarra(new QFrame(panSfondo))
    , btnAnnulla(makeChoiceButton(this, QStringLiteral("btnAnnulla"), commontext::cancelButton()))
    , btnAnteprima(makeChoiceButton(this, QStringLiteral("btnAnteprima"), commontext::previewButton()))
    , btnStampa(makeChoiceButton(this, QStringLiteral("btnStampa"), commontext::printButton()))
{
    setUpFixedWindow(this, look.objectName, look.caption, look.clientSize);
    centreOnOwner(this);
    setModal(true);

    panSfondo->setObjectName(QStringLiteral("panSfondo"));
    shpBarra->setObjectName(QStringLiteral("shpBarra"));
    shpBarra->setFixedHeight(6);
    // The panel's look stays on the panel: a dialog opened from here keeps its own.
    panSfondo->setStyleSheet(QStringLiteral(R"(
QFrame#panSfondo { background: white; border: none; }
QFrame#shpBarra { border: none; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 white); }
QLabel { font: 9pt "Verdana"; color: #1F3F66; }
QLabel#lblTitolo { font: bold 14pt "Verdana"; }
QRadioButton, QLineEdit { font: 9pt "Verdana"; }
)")
                                 .arg(style::steelBlue().name()));
    lblSpiegazione->setWordWrap(true);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(lblTitolo);
    heading->addWidget(lblSpiegazione);
    heading->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(imgIcona, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    m_body = new QVBoxLayout;
    m_body->setSpacing(6);
    auto* column = new QVBoxLayout(panSfondo);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);
    column->addLayout(top);
    column->addWidget(shpBarra);
    column->addLayout(m_body);
    column->addStretch(1);

    for (QPushButton* button : { btnAnnulla, btnAnteprima, btnStampa })
        button->setStyleSheet(QStringLiteral("font: 9pt \"Verdana\";"));
    btnStampa->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnAnteprima);
    buttons->addWidget(btnStampa);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(18, 18, 18, 14);
    window->setSpacing(12);
    window->addWidget(panSfondo, 1);
    window->addLayout(buttons);

    connect(btnStampa, &QPushButton::clicked, this, &OutputChoiceWindow::btnStampaClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &OutputChoiceWindow::btnAnteprimaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &OutputChoiceWindow::btnAnnullaClick);
}

void OutputChoiceWindow::btnStampaClick()
{
    run(false);
}

void OutputChoiceWindow::btnAnteprimaClick()
{
    run(true);
}

void OutputChoiceWindow::btnAnnullaClick()
{
    reject();
}

void OutputChoiceWindow::run(bool preview)
{
    ReportResult produced { ReportOutcome::Failed, {} };
    try {
        produced = produce(preview);
    } catch (const std::exception&) {
        produced = { ReportOutcome::Failed, {} };
    }
    if (produced.outcome == ReportOutcome::Failed)
        interaction().message(
            this, MessageKind::Warning, withCause(failureMessage(preview), produced.cause), Buttons::OkCancel);
    accept();
}

void OutputChoiceWindow::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::screenBlue(), Qt::white);
}

} // namespace lumidex
