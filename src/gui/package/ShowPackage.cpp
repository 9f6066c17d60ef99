#include "gui/package/ShowPackage.h"

#include "gui/package/TfrmPacchetto.h"
#include "package/PackageCards.h"
#include "storage/ProgramFolder.h"
#include "ui/ArchiveEntries.h"
#include "ui/Interaction.h"

namespace lumidex {

void showPackage(QWidget* owner, const QString& programDir)
{
    auto cards = archiveEntriesOrTell(
        owner, [&] { return package::readPackageCards(programfolder::registryArchivePath(programDir)); });
    if (!cards)
        return;
    TfrmPacchetto window(owner);
    window.setRegistry(programDir, std::move(*cards));
    interaction().runDialog(window);
}

} // namespace lumidex
