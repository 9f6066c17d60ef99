#pragma once

#include <QString>

// The places in the program folder where the archives, photos and attached files
// live. Copying the folder copies them all: that is the backup.
namespace lumidex::programfolder {

inline constexpr auto registryArchiveName = "Archivio_Anagrafico.pro";
// Attached documents of the registry and of every book, under their own names.
inline constexpr auto attachmentsFolderName = "Documenti_Allegati";

// Photo folders, one JPEG per card or entry.
inline constexpr auto registryPhotoFolder = "Anagrafica";
inline constexpr auto menPhotoFolder = "Book_Uomini";
inline constexpr auto womenPhotoFolder = "Book_Donne";

QString registryArchivePath(const QString& programDir);
QString attachmentsFolderPath(const QString& programDir);

} // namespace lumidex::programfolder
