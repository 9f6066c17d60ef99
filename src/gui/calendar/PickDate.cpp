#include "gui/calendar/PickDate.h"

#include "gui/calendar/TfrmCalendario.h"
#include "kinds/ArchiveProfile.h"
#include "ui/Interaction.h"

#include <QLabel>

namespace lumidex {

std::optional<QString> pickDate(QWidget* owner, ArchiveKind kind)
{
    TfrmCalendario frmCalendario(owner);
    frmCalendario.lblMemory->setText(archiveProfile(kind).dateMarker);
    interaction().runDialog(frmCalendario);
    // Only a date imported under the opener's own marker is the opener's.
    if (frmCalendario.importedDate().isEmpty() || kindOfDateMarker(frmCalendario.lblMemory->text()) != kind)
        return std::nullopt;
    return frmCalendario.importedDate();
}

} // namespace lumidex
