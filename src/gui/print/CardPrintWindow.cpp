#include "gui/print/CardPrintWindow.h"

#include "common/Formatting.h"
#include "kinds/ArchiveProfile.h"
#include "report/ComposedReport.h"
#include "texts/CommonTexts.h"
#include "texts/PrintTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/TextButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

namespace lumidex {

namespace {

const QSize printClientSize(364, 287);
const QRect panelGeometry(18, 18, 326, 215);
const QRect annullaGeometry(18, 243, 145, 28);
const QRect stampaGeometry(200, 243, 145, 28);
const QSize stockSize(297, 184);
const QColor gradientTop(0x42, 0x7A, 0xA8);

struct OutputLook {
    QString caption;
    QString buttonText;
    QString titlePicture;
    QString iconPicture;
    QString instructionPicture;
    int barHeight;
    QString barStyle;
};

OutputLook lookOf(CardOutput output)
{
    if (output == CardOutput::Print)
        return { printtext::printCaption(), commontext::printButton(), QStringLiteral(":/pictures/stampa-titolo.svg"),
            QStringLiteral(":/pictures/stampa-icona.svg"), QStringLiteral(":/pictures/stampa-istruzioni.svg"), 4,
            QStringLiteral("QFrame#shpBarra { background: #427AA8; border: none; }") };
    return { printtext::previewCaption(), commontext::previewButton(),
        QStringLiteral(":/pictures/anteprima-titolo.svg"), QStringLiteral(":/pictures/anteprima-icona.svg"),
        QStringLiteral(":/pictures/anteprima-istruzioni.svg"), 6,
        QStringLiteral("QFrame#shpBarra { border: none; background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                       " stop:0 #4682B4, stop:1 #FFFFFF); }") };
}

QPushButton* makePrintButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QPushButton* button = makeTextButton(parent, name, text);
    button->setGeometry(geometry);
    button->setFont(QFont(QStringLiteral("Verdana")));
    return button;
}

// The size the card's photo prints at: its box on the card's layout.
QSizeF photoBoxOf(ArchiveKind kind)
{
    const report::ReportLayout layout = archiveProfile(kind).cardLayout();
    const report::ReportObject* box = layout.find(u"imgLogo");
    return box ? box->box.size() : QSizeF();
}

} // namespace

CardPrintWindow::CardPrintWindow(ArchiveKind kind, CardOutput output, const QString& windowName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_kind(kind)
    , m_output(output)
{
    applyFormatSettings();
    const OutputLook look = lookOf(output);
    setUpFixedWindow(this, windowName, look.caption, printClientSize);
    centreOnOwner(this);
    setModal(true);

    buildPanel();
    btnAnnulla = makePrintButton(this, QStringLiteral("btnAnnulla"), commontext::cancelButton(), annullaGeometry);
    btnStampa = makePrintButton(this, QStringLiteral("btnStampa"), look.buttonText, stampaGeometry);
    btnStampa->setDefault(true);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->hide();
    m_stock = renderPicture(QStringLiteral(":/pictures/stampa-foto-mancante.svg"), stockSize);
    imgTemp = new QLabel(this);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    imgTemp->setFixedSize(stockSize);
    imgTemp->setPixmap(QPixmap::fromImage(m_stock));
    imgTemp->hide();

    connect(btnStampa, &QPushButton::clicked, this, &CardPrintWindow::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &CardPrintWindow::btnAnnullaClick);
}

void CardPrintWindow::buildPanel()
{
    const OutputLook look = lookOf(m_output);
    panSfondo = new QFrame(this);
    panSfondo->setObjectName(QStringLiteral("panSfondo"));
    panSfondo->setGeometry(panelGeometry);
    panSfondo->setStyleSheet(QStringLiteral("QFrame#panSfondo { background: white; border: none; }") + look.barStyle);

    imgPersona = makePicture(
        panSfondo, QStringLiteral("imgPersona"), QStringLiteral(":/pictures/stampa-persona.svg"), QSize(70, 104));
    imgTitolo = makePicture(panSfondo, QStringLiteral("imgTitolo"), look.titlePicture, QSize(228, 104));
    shpBarra = new QFrame(panSfondo);
    shpBarra->setObjectName(QStringLiteral("shpBarra"));
    shpBarra->setFixedHeight(look.barHeight);
    imgIcona = makePicture(panSfondo, QStringLiteral("imgIcona"), look.iconPicture, QSize(56, 56));
    imgIstruzioni = makePicture(panSfondo, QStringLiteral("imgIstruzioni"), look.instructionPicture, QSize(242, 70));

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(imgPersona);
    top->addWidget(imgTitolo);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(imgIcona, 0, Qt::AlignVCenter);
    bottom->addWidget(imgIstruzioni, 0, Qt::AlignVCenter);
    bottom->addStretch(1);
    auto* column = new QVBoxLayout(panSfondo);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(8);
    column->addLayout(top);
    column->addWidget(shpBarra);
    column->addLayout(bottom);
    column->addStretch(1);
}

QSize CardPrintWindow::printedPhotoSize(ArchiveKind kind)
{
    const QSizeF box = photoBoxOf(kind);
    const auto pixels = [](qreal mm) { return qMax(1, int(std::ceil(mm * report::finestPictureDpi / 25.4))); };
    return QSize(pixels(box.width()), pixels(box.height()));
}

void CardPrintWindow::setCard(const report::CardValues& card)
{
    m_card = card;
}

void CardPrintWindow::takePhoto()
{
    // The photo as the editor hands it (decoded for the size it prints at),
    // brought down to what its box prints should it be larger. A card without a
    // picture prints the stock one; a photo that cannot be brought down (too
    // large for the memory at hand) is a failure of the print, never a card
    // printed with another picture in its place.
    QImage photo;
    m_photoTaken = true;
    try {
        photo = report::printablePicture(m_card.photo, photoBoxOf(m_kind), report::finestPictureDpi);
    } catch (const std::exception&) {
        photo = QImage();
    }
    if (photo.isNull() && !m_card.photo.isNull())
        m_photoTaken = false;
    m_logo = photo.isNull() ? m_stock : photo;
    imgLogo->setPixmap(fittedPixmap(m_logo, stockSize, 1.0));
}

ReportResult CardPrintWindow::printCard()
{
    const ReportResult failed { ReportOutcome::Failed, {} };
    if (!m_photoTaken)
        return failed;
    report::CardValues card = m_card;
    card.photo = m_logo;
    const std::optional<report::ReportLayout> layout = archiveProfile(m_kind).filledCard(card);
    if (!layout)
        return failed;
    const report::ComposedReport composed = report::compose(*layout);
    return m_output == CardOutput::Print ? interaction().printReport(this, composed)
                                         : interaction().previewReport(this, composed);
}

void CardPrintWindow::btnStampaClick()
{
    ReportResult printed { ReportOutcome::Failed, {} };
    try {
        printed = printCard();
    } catch (const std::exception&) {
        printed = { ReportOutcome::Failed, {} };
    }
    if (printed.outcome == ReportOutcome::Failed)
        interaction().message(this, MessageKind::Warning,
            withCause(
                m_output == CardOutput::Print ? printtext::printFailed() : printtext::previewFailed(), printed.cause),
            Buttons::OkCancel);
    // Printed, cancelled or failed: the window has done its part.
    accept();
}

void CardPrintWindow::btnAnnullaClick()
{
    reject();
}

void CardPrintWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        takePhoto();
}

void CardPrintWindow::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, gradientTop, Qt::white);
}

} // namespace lumidex
