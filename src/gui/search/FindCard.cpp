#include "gui/search/FindCard.h"

#include "gui/search/TfrmTrovaAnagrafica.h"
#include "gui/search/TfrmTrovaBookDonne.h"
#include "gui/search/TfrmTrovaBookUomini.h"
#include "ui/Interaction.h"

#include <memory>

namespace lumidex {

namespace {

std::unique_ptr<SearchWindow> makeWindow(QWidget* owner, ArchiveKind kind, const QString& archivePath)
{
    switch (kind) {
    case ArchiveKind::Registry:
        break;
    case ArchiveKind::MenBook:
        return std::make_unique<TfrmTrovaBookUomini>(archivePath, owner);
    case ArchiveKind::WomenBook:
        return std::make_unique<TfrmTrovaBookDonne>(archivePath, owner);
    }
    return std::make_unique<TfrmTrovaAnagrafica>(archivePath, owner);
}

} // namespace

std::optional<Card> findCard(QWidget* owner, ArchiveKind kind, const QString& archivePath)
{
    const std::unique_ptr<SearchWindow> window = makeWindow(owner, kind, archivePath);
    interaction().runDialog(*window);
    return window->chosenCard();
}

} // namespace lumidex
