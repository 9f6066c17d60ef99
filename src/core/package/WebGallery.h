#pragma once

#include "kinds/ArchiveKind.h"
#include "package/WebFolder.h"

#include <QDate>
#include <QList>
#include <QString>

namespace lumidex::package {

// The folder of the program folder that keeps the galleries made.
inline constexpr auto galleriesFolderName = "Gallerie";

// One entry of a book as its gallery shows it, and its photo file (which may be
// missing).
struct GalleryEntry {
    QString title;
    QString description;
    QString date;
    QString location;
    QString photographer;
    QString photoPath;
};

// Every entry of the book `bookName` of side `kind`, at `bookPath`, in entry
// order with its photo file, in one visit that decodes the shown fields only.
// Throws ArchiveError.
QList<GalleryEntry> readGalleryEntries(
    const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookPath);

// Writes the book's gallery as a web folder "Gallerie/<book>_<yyyy-mm-dd>" (or
// " (2)", ...) in `programDir`: index.html with a grid of thumbnails in entry
// order, a page per photo with its title, description, date, location and
// photographer and "Precedente"/"Successiva" links, the pictures as JPEG files of
// at most webPictureSide pixels, one style sheet. `step` hears of every entry
// written and may stop the work; a gallery stopped or failed leaves no folder.
WebOutcome writeWebGallery(const QString& programDir, const QString& bookName, const QDate& date,
    const QList<GalleryEntry>& entries, const WorkStep& step);

} // namespace lumidex::package
