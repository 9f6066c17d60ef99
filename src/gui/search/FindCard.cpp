#include "gui/search/FindCard.h"

#include "gui/search/TfrmTrovaAnagrafica.h"
#include "gui/search/TfrmTrovaBookDonne.h"
#include "gui/search/TfrmTrovaBookUomini.h"
#include "ui/Interaction.h"

#include <QLabel>
#include <memory>

namespace lumidex {

namespace {

std::unique_ptr<SearchWindow> makeWindow(QWidget* owner, const Side* side, const QString& archivePath)
{
    if (!side)
        return std::make_unique<TfrmTrovaAnagrafica>(archivePath, owner);
    if (side->bookMarker == Side::men().bookMarker)
        return std::make_unique<TfrmTrovaBookUomini>(archivePath, owner);
    return std::make_unique<TfrmTrovaBookDonne>(archivePath, owner);
}

} // namespace

std::optional<Card> findCard(QWidget* owner, const Side* side, const QString& archivePath, const QString& marker)
{
    const std::unique_ptr<SearchWindow> window = makeWindow(owner, side, archivePath);
    window->lblMemory->setText(marker);
    interaction().runDialog(*window);
    // A card chosen under another editor's marker is not the opener's to show.
    if (window->marker() != marker)
        return std::nullopt;
    return window->chosenCard();
}

} // namespace lumidex
