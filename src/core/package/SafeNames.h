#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// Names of the files and folders a package or a gallery is written as, made from
// names the user typed (a client, a model, a book).
namespace lumidex::package {

// The longest name safeFileName() gives, in characters: short enough that the
// folder, a " (n)" and an extension still fit every file system's limit.
inline constexpr int maxSafeNameLength = 60;

// `name` as a file or folder name every file system takes and that leads nowhere
// but where it stands: no path separators, no characters Windows refuses, no
// control characters, no runs of dots (so never ".."), no dot or blank at either
// end, no device name of Windows (CON, NUL, COM1, ...), at most
// maxSafeNameLength characters. `fallback` when nothing is left.
QString safeFileName(QStringView name, const QString& fallback);

// "<safe name>_<yyyy-mm-dd>", the folder of a package or gallery made on `date`.
QString datedFolderName(QStringView name, const QString& fallback, const QDate& date);

// `base` when no file or folder of that name is in `parentDir`, otherwise the
// first free of "base (2)", "base (3)", ... (the same letters in another case
// count as taken, as they do on the disks the folder may be copied to).
QString freeName(const QString& parentDir, const QString& base, const QString& extension = QString());

// Creates a new folder in `parentDir` (and `parentDir` with its missing parents)
// named `base` or, when that is taken, "base (2)", "base (3)", ...: never an
// existing folder. Its full path, or empty when it could not be created.
QString createFreeFolder(const QString& parentDir, const QString& base);

} // namespace lumidex::package
