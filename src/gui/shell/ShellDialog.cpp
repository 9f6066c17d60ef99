#include "gui/shell/ShellDialog.h"

#include "texts/CommonTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Pictures.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

ShellDialog::ShellDialog(const Look& look, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_look(look)
{
    setUpFixedWindow(this, look.windowName, look.caption, look.clientSize);
    setModal(true);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("panSfondo"));
    m_panel->setFixedSize(look.panelSize);
    m_panel->setStyleSheet(QStringLiteral("QFrame#panSfondo { background: white; border: 1px solid #CDDFEE;"
                                          " border-radius: 6px; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_panel, 0, Qt::AlignCenter);

    if (look.placement == Placement::Screen)
        centreOnScreen(this);
    else
        centreOnOwner(this);
}

QPushButton* ShellDialog::makeCloseButton(QWidget* parent, const QSize& size, int pointSize)
{
    auto* button = new QPushButton(commontext::closeButton(), parent);
    button->setObjectName(QStringLiteral("btnChiudi"));
    button->setFixedSize(size);
    button->setCursor(Qt::PointingHandCursor);
    QFont face(QStringLiteral("Verdana"));
    if (pointSize > 0)
        face.setPointSize(pointSize);
    button->setFont(face);
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

void ShellDialog::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, m_look.gradientTop, m_look.gradientBottom);
}

} // namespace lumidex
