#include "ui/TextLabel.h"

#include <QLabel>

namespace lumidex {

QLabel* makeTextLabel(QWidget* parent, const QString& objectName, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace lumidex
