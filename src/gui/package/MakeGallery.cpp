#include "gui/package/MakeGallery.h"

#include "common/Text.h"
#include "gui/package/WebOutcomeMessages.h"
#include "package/WebGallery.h"
#include "storage/ArchiveError.h"
#include "texts/EditorTexts.h"
#include "texts/PackageTexts.h"
#include "ui/Interaction.h"

#include <QDate>

namespace lumidex {

void makeGallery(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookPath)
{
    QList<package::GalleryEntry> entries;
    try {
        entries = package::readGalleryEntries(programDir, kind, bookName, bookPath);
    } catch (const ArchiveError&) {
        interaction().message(owner, MessageKind::Error, archiveAccessMessage(), Buttons::OkCancel);
        return;
    }
    if (entries.isEmpty()) {
        interaction().message(owner, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
        return;
    }
    const WebOutcomeTexts texts { packagetext::galleryProgress(), packagetext::galleryCancelled(),
        packagetext::galleryFailed, packagetext::galleryDone };
    makeWebFolder(owner, texts, int(entries.size()), [&](const package::WorkStep& step) {
        return package::writeWebGallery(programDir, text::trimmed(bookName), QDate::currentDate(), entries, step);
    });
}

} // namespace lumidex
