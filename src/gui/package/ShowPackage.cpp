#include "gui/package/ShowPackage.h"

#include "gui/package/TfrmPacchetto.h"
#include "package/PackageCards.h"
#include "storage/ArchiveError.h"
#include "storage/ProgramFolder.h"
#include "texts/EditorTexts.h"
#include "ui/Interaction.h"

namespace lumidex {

void showPackage(QWidget* owner, const QString& programDir)
{
    QList<package::PackageCard> cards;
    try {
        cards = package::readPackageCards(programfolder::registryArchivePath(programDir));
    } catch (const ArchiveError&) {
        interaction().message(owner, MessageKind::Error, archiveAccessMessage(), Buttons::OkCancel);
        return;
    }
    if (cards.isEmpty()) {
        interaction().message(owner, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
        return;
    }
    TfrmPacchetto window(owner);
    window.setRegistry(programDir, std::move(cards));
    interaction().runDialog(window);
}

} // namespace lumidex
