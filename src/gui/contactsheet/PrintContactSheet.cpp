#include "gui/contactsheet/PrintContactSheet.h"

#include "texts/EditorTexts.h"
#include "gui/contactsheet/TfrmProvino.h"
#include "storage/ArchiveError.h"
#include "ui/Interaction.h"

namespace lumidex {

void printContactSheet(QWidget* owner, const QString& bookPath, const report::ContactSheetBook& book)
{
    QList<report::ContactEntry> entries;
    try {
        entries = report::readContactEntries(bookPath);
    } catch (const ArchiveError&) {
        interaction().message(owner, MessageKind::Error, archiveAccessMessage(), Buttons::OkCancel);
        return;
    }
    if (entries.isEmpty()) {
        interaction().message(owner, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
        return;
    }
    TfrmProvino window(owner);
    window.setBook(book, entries);
    interaction().runDialog(window);
}

} // namespace lumidex
