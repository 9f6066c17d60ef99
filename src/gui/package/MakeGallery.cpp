#include "gui/package/MakeGallery.h"

#include "common/Text.h"
#include "gui/package/WebOutcomeMessages.h"
#include "package/WebGallery.h"
#include "texts/PackageTexts.h"
#include "ui/ArchiveEntries.h"
#include "ui/Interaction.h"

#include <QDate>

namespace lumidex {

void makeGallery(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookPath)
{
    const auto entries = archiveEntriesOrTell(
        owner, [&] { return package::readGalleryEntries(programDir, kind, bookName, bookPath); });
    if (!entries)
        return;
    const WebOutcomeTexts texts { packagetext::galleryProgress(), packagetext::galleryCancelled(),
        packagetext::galleryFailed, packagetext::galleryDone };
    makeWebFolder(owner, texts, int(entries->size()), [&](const package::WorkStep& step) {
        return package::writeWebGallery(programDir, text::trimmed(bookName), QDate::currentDate(), *entries, step);
    });
}

} // namespace lumidex
