#include "ui/TextButton.h"

#include <QPushButton>

namespace lumidex {

QPushButton* makeTextButton(QWidget* parent, const QString& objectName, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace lumidex
