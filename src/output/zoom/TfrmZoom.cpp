#include "output/zoom/TfrmZoom.h"

#include "common/Formatting.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace lumidex {

namespace {

// The picture leaves this much of the screen to the gradient around it.
const QSize screenMargin(60, 90);

} // namespace

TfrmZoom::TfrmZoom(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint)
{
    applyFormatSettings();
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setModal(true);
    resize(style::screenSize);
    setWindowState(Qt::WindowMaximized);

    // Placed by hand rather than by a layout: a layout would make the panel's size
    // the window's minimum and keep the window from getting smaller than the screen.
    panFoto = new QWidget(this);
    panFoto->setObjectName(QStringLiteral("panFoto"));
    imgFoto = new QLabel(panFoto);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setCursor(Qt::PointingHandCursor);
    panFoto->installEventFilter(this);
    imgFoto->installEventFilter(this);
    placePanel();
}

void TfrmZoom::setPicture(const QImage& picture)
{
    m_picture = picture;
    showPicture();
}

void TfrmZoom::placePanel()
{
    const QSize screenSize = screen() ? screen()->size() : size();
    // Never larger than the window itself, so that a title bar, a taskbar or a
    // window the user made smaller does not cut the photo off.
    const QSize frame = (screenSize - screenMargin).boundedTo(size()).expandedTo(QSize(1, 1));
    QRect area(QPoint(0, 0), frame);
    area.moveCenter(rect().center());
    panFoto->setGeometry(area);
    if (imgFoto->size() != frame) {
        imgFoto->setGeometry(QRect(QPoint(0, 0), frame));
        showPicture();
    }
}

void TfrmZoom::showPicture()
{
    const QPixmap shown = fittedPixmap(m_picture, imgFoto->size(), devicePixelRatioF());
    if (shown.isNull())
        imgFoto->clear();
    else
        imgFoto->setPixmap(shown);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == imgFoto || watched == panFoto) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        // A click is a left button let go over the spot where it went down.
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placePanel();
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placePanel();
}

void TfrmZoom::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::steelBlue(), Qt::white);
}

} // namespace lumidex
