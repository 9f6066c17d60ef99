#include "gui/shell/LinkLabel.h"

#include <QAbstractButton>
#include <QMouseEvent>

namespace lumidex {

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    QFont look(QStringLiteral("Tahoma"));
    look.setPointSize(14);
    look.setUnderline(true);
    setFont(look);
    setTextColour(restColour);
}

void LinkLabel::attachIcon(QAbstractButton* icon)
{
    icon->setCursor(Qt::PointingHandCursor);
    // The colour follows the mouse button itself: the button's own pressed and
    // released signals also fire as the pointer wanders off and back while held.
    icon->installEventFilter(this);
    connect(icon, &QAbstractButton::clicked, this, &LinkLabel::clicked);
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            setTextColour(event->type() == QEvent::MouseButtonPress ? pressedColour : restColour);
    }
    return QLabel::eventFilter(watched, event);
}

void LinkLabel::setTextColour(QRgb colour)
{
    m_colour = QColor::fromRgba(colour);
    // The label's own rule wins over any style sheet of the window around it.
    setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(m_colour.name()));
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    setTextColour(pressedColour);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    setTextColour(restColour);
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace lumidex
