#include "ui/UnexpectedError.h"

#include "ui/Interaction.h"

#include <QApplication>

namespace lumidex {

void reportUnexpectedError(const QString& description)
{
    interaction().message(QApplication::activeWindow(), MessageKind::Error, description, Buttons::Ok);
}

} // namespace lumidex
