#include "gui/attachments/AttachFiles.h"

#include "gui/attachments/TfrmAllegaCartella.h"
#include "kinds/ArchiveProfile.h"
#include "ui/Interaction.h"

#include <QLabel>

namespace lumidex {

std::optional<QStringList> attachFiles(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QStringList& attachments)
{
    TfrmAllegaCartella frmAllegaCartella(programDir, owner);
    frmAllegaCartella.lblMemory->setText(archiveProfile(kind).cardMarker);
    frmAllegaCartella.setAttachments(attachments);
    interaction().runDialog(frmAllegaCartella);
    // Only what was applied under the opener's own marker is the opener's.
    if (!frmAllegaCartella.appliedAttachments() || kindOfCardMarker(frmAllegaCartella.appliedMarker()) != kind)
        return std::nullopt;
    return frmAllegaCartella.appliedAttachments();
}

} // namespace lumidex
