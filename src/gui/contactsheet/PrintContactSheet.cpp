#include "gui/contactsheet/PrintContactSheet.h"

#include "gui/contactsheet/TfrmProvino.h"
#include "ui/ArchiveEntries.h"
#include "ui/Interaction.h"

namespace lumidex {

void printContactSheet(QWidget* owner, const QString& bookPath, const report::ContactSheetBook& book)
{
    const auto entries = archiveEntriesOrTell(owner, [&] { return report::readContactEntries(bookPath); });
    if (!entries)
        return;
    TfrmProvino window(owner);
    window.setBook(book, *entries);
    interaction().runDialog(window);
}

} // namespace lumidex
