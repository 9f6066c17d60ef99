#include "gui/attachments/AttachFiles.h"

#include "gui/attachments/TfrmAllegaCartella.h"
#include "ui/Interaction.h"

#include <QLabel>

namespace lumidex {

std::optional<QStringList> attachFiles(
    QWidget* owner, const QString& programDir, const QString& marker, const QStringList& attachments)
{
    TfrmAllegaCartella frmAllegaCartella(programDir, owner);
    frmAllegaCartella.lblMemory->setText(marker);
    frmAllegaCartella.setAttachments(attachments);
    interaction().runDialog(frmAllegaCartella);
    // Only what was applied under the opener's own marker is the opener's.
    if (!frmAllegaCartella.appliedAttachments() || frmAllegaCartella.appliedMarker() != marker)
        return std::nullopt;
    return frmAllegaCartella.appliedAttachments();
}

} // namespace lumidex
