#include "ui/FocusFrame.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace lumidex {

FocusFrame::FocusFrame(QWidget* field, const QString& objectName)
    : QWidget(field->parentWidget())
    , m_field(field)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    follow();
    field->installEventFilter(this);
}

void FocusFrame::follow()
{
    setGeometry(m_field->geometry().adjusted(-reach, -reach, reach, reach));
    stackUnder(m_field);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient border(0, 0, 0, height());
    border.setColorAt(0, QColor(0xFF, 0xFF, 0x00));
    border.setColorAt(1, Qt::white);
    painter.setPen(QPen(QBrush(border), 2));
    painter.setBrush(QColor(0xFF, 0xFF, 0x00));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}

} // namespace lumidex
