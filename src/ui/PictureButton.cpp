#include "ui/PictureButton.h"

#include <QIcon>
#include <QToolButton>

namespace lumidex {

QString tooltipWithShortcut(const QString& statusTip, const QKeySequence& shortcut)
{
    if (shortcut.isEmpty())
        return statusTip;
    return QStringLiteral("%1 (%2)").arg(statusTip, shortcut.toString(QKeySequence::PortableText));
}

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& picture, const QSize& size,
    const QString& statusTip, const QKeySequence& shortcut)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(picture));
    button->setIconSize(size);
    button->setFixedSize(size);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStatusTip(statusTip);
    button->setToolTip(tooltipWithShortcut(statusTip, shortcut));
    if (!shortcut.isEmpty())
        button->setShortcut(shortcut);
    return button;
}

} // namespace lumidex
