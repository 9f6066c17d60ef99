#include "gui/slideshow/SlideshowWindow.h"

#include "common/FitToFrame.h"
#include "common/Text.h"
#include "editing/Navigation.h"
#include "kinds/ArchiveProfile.h"
#include "slideshow/SlideshowStep.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/PhotoFiles.h"
#include "texts/EditorTexts.h"
#include "texts/SlideshowTexts.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>

namespace lumidex {

namespace {

const QString waitingPicture = QStringLiteral(":/pictures/avvio-slideshow.svg");
constexpr QSize waitingPictureSize(400, 360);
// The photo leaves this much of the screen to the gradient, as in the zoom window.
constexpr QSize slideshowMargin(60, 90);

// Drawn on nothing, so that its rounded corners show the gradient behind.
QImage renderWaitingPicture(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(waitingPicture).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QLabel* hiddenLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

SlideshowWindow::SlideshowWindow(
    const QString& programDir, ArchiveKind kind, const QString& objectName, QWidget* parent)
    : PictureScreen(objectName, archiveProfile(kind).slideshowCaption, parent)
    , m_programDir(programDir)
    , m_profile(archiveProfile(kind))
{
    lblPosizione = hiddenLabel(this, QStringLiteral("lblPosizione"));
    lblNome = hiddenLabel(this, QStringLiteral("lblNome"));
    if (isBook(kind))
        lblFile = hiddenLabel(this, QStringLiteral("lblFile"));
    imgBianco = hiddenLabel(this, QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(renderWaitingPicture(waitingPictureSize)));

    cmdAvanti = makePictureButton(this, QStringLiteral("cmdAvanti"), QStringLiteral(":/icons/avanti.svg"),
        QSize(37, 39), slideshowtext::nextPhotoTip());
    cmdAvanti->hide();
    connect(cmdAvanti, &QToolButton::clicked, this, &SlideshowWindow::cmdAvantiClick);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(intervalMs);
    connect(Timer, &QTimer::timeout, cmdAvanti, &QToolButton::click);
}

void SlideshowWindow::setBook(const QString& bookName, const QString& filePath)
{
    lblNome->setText(bookName);
    if (lblFile)
        lblFile->setText(filePath);
}

QString SlideshowWindow::archivePath() const
{
    if (!isBook(m_profile.kind))
        return m_profile.archivePath(m_programDir);
    return text::trimmed(lblFile->text());
}

QString SlideshowWindow::photoPath(int position) const
{
    return m_profile.photoPath(m_programDir, lblNome->text(), QString::number(position));
}

QSize SlideshowWindow::photoBound() const
{
    const QSize screenSize = screen() ? screen()->size() : size();
    return ((screenSize - slideshowMargin).expandedTo(QSize(1, 1)) * devicePixelRatioF());
}

void SlideshowWindow::showEvent(QShowEvent* event)
{
    PictureScreen::showEvent(event);
    // Back from the taskbar: the slideshow goes on where it was.
    if (event->spontaneous()) {
        if (m_resumeWhenShown)
            Timer->start();
        m_resumeWhenShown = false;
        return;
    }
    showWaitingPicture();
    // The first card's photo is decoded while the waiting picture is up.
    m_preloader.preload(photoPath(1), photoBound());
    Timer->start();
}

void SlideshowWindow::hideEvent(QHideEvent* event)
{
    // Minimised, it rests until it is shown again; closed, it ends.
    m_resumeWhenShown = event->spontaneous() && Timer->isActive();
    Timer->stop();
    PictureScreen::hideEvent(event);
}

void SlideshowWindow::cmdAvantiClick()
{
    try {
        const Archive archive(archivePath(), m_profile.layout);
        const int count = archive.count();
        if (text::trimmed(lblPosizione->text()).isEmpty())
            lblPosizione->setText(QStringLiteral("0"));
        const SlideshowStep step = decideSlideshowStep(positionOf(lblPosizione->text()), count);
        switch (step.kind) {
        case SlideshowStep::Kind::EmptyArchive:
            lblPosizione->clear();
            Timer->stop();
            interaction().message(this, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
            reject();
            return;
        case SlideshowStep::Kind::ShowCard:
            // The card itself is read as it always was, though only its photo is shown.
            archive.read(step.position);
            lblPosizione->setText(QString::number(step.position));
            showCardPhoto(step.position);
            break;
        case SlideshowStep::Kind::StartOver:
            lblPosizione->setText(QStringLiteral("0"));
            break;
        case SlideshowStep::Kind::Nothing:
            return;
        }
        if (const int next = cardAfter(step, count))
            m_preloader.preload(photoPath(next), photoBound());
    } catch (const ArchiveError& error) {
        showStepFailure(error);
    }
}

void SlideshowWindow::showStepFailure(const ArchiveError& error)
{
    // The timer waits while the message is open, so that a failing archive does
    // not stack one message per interval; the next interval tries again.
    const bool running = Timer->isActive();
    Timer->stop();
    interaction().message(this, MessageKind::Error, archiveFailureMessage(error), Buttons::OkCancel);
    if (running && isVisible())
        Timer->start();
}

void SlideshowWindow::showCardPhoto(int position)
{
    const QString path = photoPath(position);
    // A folder that cannot be made simply leaves the photo missing.
    QDir().mkpath(QFileInfo(path).absolutePath());
    const photofiles::DecodedPicture photo = m_preloader.take(path, photoBound());
    if (photo.status != photofiles::DecodedPicture::Status::Loaded) {
        showWaitingPicture();
        return;
    }
    m_waiting = false;
    setPicture(photo.image);
}

void SlideshowWindow::showWaitingPicture()
{
    m_waiting = true;
    // Drawn at the size it is shown, so that it stays crisp on a large screen.
    setPicture(renderWaitingPicture(fitInto(waitingPictureSize, photoBound())));
}

} // namespace lumidex
