#include "ui/WorkScreen.h"

#include "ui/NoticeLine.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace lumidex {

WorkScreen::WorkScreen(const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    resize(style::screenSize);

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("panSfondo"));
    m_panel->setFixedSize(996, 692);
    m_panel->setAttribute(Qt::WA_StyledBackground);

    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_panel, 0, 0, Qt::AlignCenter);

    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    m_content = new QVBoxLayout;
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(0);
    panelLayout->addLayout(m_content, 1);

    auto* strip = new QWidget(m_panel);
    strip->setObjectName(QStringLiteral("panStato"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setFixedHeight(26);
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(8, 0, 8, 0);
    m_panInfo = new QLabel(strip);
    m_panInfo->setObjectName(QStringLiteral("panInfo"));
    stripLayout->addWidget(m_panInfo);
    panelLayout->addWidget(strip);
}

bool WorkScreen::event(QEvent* event)
{
    // Status tips of the controls end up here; an empty one (the pointer left a
    // control for the background) empties the status line, unless it shows a
    // notice.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (m_showsNotice) {
            if (tip.isEmpty() || tip == m_lastExplanation)
                return true;
            m_showsNotice = false;
            m_panInfo->setToolTip({});
        }
        if (!tip.isEmpty())
            m_lastExplanation = tip;
        m_panInfo->setText(tip);
        return true;
    }
    return QWidget::event(event);
}

void WorkScreen::showNotice(const QString& text)
{
    showOnOneLine(*m_panInfo, text);
    m_showsNotice = true;
}

void WorkScreen::dismissNotice()
{
    if (!m_showsNotice)
        return;
    m_showsNotice = false;
    m_panInfo->setToolTip({});
    m_panInfo->clear();
}

void WorkScreen::closeEvent(QCloseEvent* event)
{
    // The window set shows the next screen before this one hides.
    emit closed();
    event->accept();
}

void WorkScreen::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::screenBlue(), Qt::white);
}

} // namespace lumidex
