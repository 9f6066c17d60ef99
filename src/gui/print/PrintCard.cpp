#include "gui/print/PrintCard.h"

#include "gui/print/TfrmAnteprimaAnagrafica.h"
#include "gui/print/TfrmAnteprimaBookDonne.h"
#include "gui/print/TfrmAnteprimaBookUomini.h"
#include "gui/print/TfrmStampaAnagrafica.h"
#include "gui/print/TfrmStampaBookDonne.h"
#include "gui/print/TfrmStampaBookUomini.h"
#include "ui/Interaction.h"

namespace lumidex {

namespace {

template <class Window> void runCardWindow(QWidget* owner, const report::CardValues& card)
{
    Window window(owner);
    window.setCard(card);
    interaction().runDialog(window);
}

// The window of the editor's kind among the three of one output.
template <class Registry, class Men, class Women>
void runWindowOf(QWidget* owner, ArchiveKind kind, const report::CardValues& card)
{
    switch (kind) {
    case ArchiveKind::Registry:
        return runCardWindow<Registry>(owner, card);
    case ArchiveKind::MenBook:
        return runCardWindow<Men>(owner, card);
    case ArchiveKind::WomenBook:
        return runCardWindow<Women>(owner, card);
    }
}

} // namespace

QSize printedPhotoSize(ArchiveKind kind)
{
    return CardPrintWindow::printedPhotoSize(kind);
}

void printCard(QWidget* owner, ArchiveKind kind, const report::CardValues& card)
{
    runWindowOf<TfrmStampaAnagrafica, TfrmStampaBookUomini, TfrmStampaBookDonne>(owner, kind, card);
}

void previewCard(QWidget* owner, ArchiveKind kind, const report::CardValues& card)
{
    runWindowOf<TfrmAnteprimaAnagrafica, TfrmAnteprimaBookUomini, TfrmAnteprimaBookDonne>(owner, kind, card);
}

} // namespace lumidex
