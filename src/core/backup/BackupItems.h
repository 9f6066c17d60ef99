#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a backup holds, named as its ZIP entries name it: from the program
// folder, with "/" between folders. A backup is made of *items*, the things of
// the program folder a restore moves aside and puts back as one: an archive
// file, a photo folder, the attachments folder, the password store, ...
namespace lumidex::backup {

enum class ItemKind {
    // An archive of records, read under its lock.
    Archive,
    // The rest of what the agency keeps: photos, attached files, the agency's
    // line, the package register, the import reports.
    Data,
    // The password store: a restore puts the backup's in place, never none.
    PasswordStore,
    // "Lumidex.ini": a restore keeps the folder's own backup settings.
    Settings,
    // Packages, galleries, personal data sheets and exported spreadsheets, which
    // can be made again: only when the user asks for them.
    Output,
};

struct Item {
    // "Archivio_Anagrafico.pro", "Anagrafica", "Pacchetti/Registro_pacchetti.txt", ...
    QString name;
    ItemKind kind;
    bool folder;
    friend bool operator==(const Item&, const Item&) = default;
};

// The list of every file's SHA-256 at the top of a backup.
inline constexpr auto checksumListName = "SHA256SUMS";

// The item the ZIP entry `path` belongs to; nothing for a path a backup never
// holds: an absolute path, a "." or ".." or empty component, a backslash, a name
// outside the items, an archive or file of the top level below a folder.
std::optional<Item> itemOf(const QString& path);
// The record size of an archive item, by its extension; 0 for anything else.
int recordSizeOf(const QString& archiveName);

// A file of the program folder that goes into a backup.
struct ListedFile {
    QString path;
    ItemKind kind;
    // Of an archive; 0 for anything else.
    int recordSize = 0;
};

struct Listing {
    QList<ListedFile> files;
    // Folders of the items, each with every folder inside (so that empty ones
    // come back too), parents before children.
    QStringList folders;
    // Symbolic links and other special files inside the items: a backup holds
    // none, and says which it left out.
    QStringList leftOut;
};

// What a backup of `programDir` holds now: the archives first, then the other
// files of the top level, then the folders' files in name order.
Listing listFolder(const QString& programDir, bool includeOutputs);

// The items present in `programDir` (top-level names, and the package register),
// whatever a backup would take of them.
QList<Item> presentItems(const QString& programDir);

} // namespace lumidex::backup
