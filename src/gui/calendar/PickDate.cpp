#include "gui/calendar/PickDate.h"

#include "gui/calendar/TfrmCalendario.h"
#include "ui/Interaction.h"

#include <QLabel>

namespace lumidex {

std::optional<QString> pickDate(QWidget* owner, const QString& marker)
{
    TfrmCalendario frmCalendario(owner);
    frmCalendario.lblMemory->setText(marker);
    interaction().runDialog(frmCalendario);
    // Only a date imported under the opener's own marker is the opener's.
    if (frmCalendario.importedDate().isEmpty() || frmCalendario.lblMemory->text() != marker)
        return std::nullopt;
    return frmCalendario.importedDate();
}

} // namespace lumidex
