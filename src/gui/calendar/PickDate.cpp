#include "gui/calendar/PickDate.h"

#include "gui/calendar/TfrmCalendario.h"
#include "ui/Interaction.h"

namespace lumidex {

std::optional<QString> pickDate(QWidget* owner, ArchiveKind kind)
{
    TfrmCalendario frmCalendario(kind, owner);
    interaction().runDialog(frmCalendario);
    if (frmCalendario.importedDate().isEmpty())
        return std::nullopt;
    return frmCalendario.importedDate();
}

} // namespace lumidex
