#include "gui/attachments/AttachFiles.h"

#include "gui/attachments/TfrmAllegaCartella.h"
#include "ui/Interaction.h"

namespace lumidex {

std::optional<QStringList> attachFiles(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QStringList& attachments)
{
    TfrmAllegaCartella frmAllegaCartella(programDir, kind, owner);
    frmAllegaCartella.setAttachments(attachments);
    interaction().runDialog(frmAllegaCartella);
    return frmAllegaCartella.appliedAttachments();
}

} // namespace lumidex
