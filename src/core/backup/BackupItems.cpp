#include "backup/BackupItems.h"

#include "backup/BackupSettings.h"
#include "compcard/AgencyLine.h"
#include "export/ExportTable.h"
#include "package/WebGallery.h"
#include "package/WebPackage.h"
#include "password/PasswordStore.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace lumidex::backup {

namespace {

// Folders always kept whole.
const QStringList& dataFolders()
{
    static const QStringList folders { QString::fromLatin1(programfolder::registryPhotoFolder),
        QString::fromLatin1(programfolder::menPhotoFolder), QString::fromLatin1(programfolder::womenPhotoFolder),
        QString::fromLatin1(programfolder::attachmentsFolderName), QStringLiteral("Importazioni") };
    return folders;
}

const QString& packageRegister()
{
    static const QString path
        = QString::fromLatin1(package::packagesFolderName) + QStringLiteral("/Registro_pacchetti.txt");
    return path;
}

// Folders kept only when the user asks for the outputs.
const QStringList& outputFolders()
{
    static const QStringList folders { QString::fromLatin1(package::packagesFolderName),
        QString::fromLatin1(package::galleriesFolderName), QStringLiteral("Dati_personali") };
    return folders;
}

const QStringList& outputFiles()
{
    static const QStringList files { exporttable::registry().outputFileName, exporttable::book().outputFileName };
    return files;
}

// The file a safe write is making, not yet in its place.
bool isUnfinishedWrite(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.nuovo-[0-9a-f]{16}$"));
    return pattern.match(name).hasMatch();
}

std::optional<Item> topLevelFile(const QString& name)
{
    if (recordSizeOf(name) > 0)
        return Item { name, ItemKind::Archive, false };
    if (name == QString::fromUtf16(PasswordStore::fileName))
        return Item { name, ItemKind::PasswordStore, false };
    if (name == QString::fromLatin1(settingsFileName))
        return Item { name, ItemKind::Settings, false };
    if (name == QString::fromLatin1(agencyline::fileName))
        return Item { name, ItemKind::Data, false };
    if (outputFiles().contains(name))
        return Item { name, ItemKind::Output, false };
    return std::nullopt;
}

} // namespace

int recordSizeOf(const QString& archiveName)
{
    if (archiveName.endsWith(QLatin1String(".pro"), Qt::CaseInsensitive) && archiveName.size() > 4)
        return layouts::registry.size();
    if ((archiveName.endsWith(QLatin1String(".men"), Qt::CaseInsensitive)
            || archiveName.endsWith(QLatin1String(".wmn"), Qt::CaseInsensitive))
        && archiveName.size() > 4)
        return layouts::book.size();
    return 0;
}

std::optional<Item> itemOf(const QString& path)
{
    if (path.isEmpty() || path.contains(QLatin1Char('\\')) || path.contains(QChar(0)))
        return std::nullopt;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return std::nullopt;
    if (parts.size() == 1)
        return topLevelFile(path);
    if (path == packageRegister())
        return Item { path, ItemKind::Data, false };
    const QString& top = parts.constFirst();
    if (dataFolders().contains(top))
        return Item { top, ItemKind::Data, true };
    if (outputFolders().contains(top))
        return Item { top, ItemKind::Output, true };
    return std::nullopt;
}

Listing listFolder(const QString& programDir, bool includeOutputs)
{
    Listing listing;
    const QDir dir(programDir);
    const auto listed = [&](const QString& path, const Item& item) {
        listing.files.append({ path, item.kind, item.kind == ItemKind::Archive ? recordSizeOf(path) : 0 });
    };

    // The top level: archives first, since they are what most needs keeping.
    QList<std::pair<QString, Item>> topFiles;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const std::optional<Item> item = topLevelFile(entry.fileName());
        if (!item || (item->kind == ItemKind::Output && !includeOutputs))
            continue;
        if (entry.isSymLink() || !entry.isFile()) {
            listing.leftOut << entry.fileName();
            continue;
        }
        topFiles.append({ entry.fileName(), *item });
    }
    std::stable_sort(topFiles.begin(), topFiles.end(), [](const auto& a, const auto& b) {
        return (a.second.kind == ItemKind::Archive) > (b.second.kind == ItemKind::Archive);
    });
    for (const auto& [name, item] : topFiles)
        listed(name, item);

    QStringList folders = dataFolders();
    if (includeOutputs)
        folders += outputFolders();
    folders.sort();
    for (const QString& folder : folders) {
        const QFileInfo top(dir.filePath(folder));
        if (top.isSymLink()) {
            listing.leftOut << folder;
            continue;
        }
        if (!top.isDir())
            continue;
        listing.folders << folder;
        QStringList inside;
        QDirIterator walk(top.filePath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QFileInfo entry = walk.nextFileInfo();
            inside << dir.relativeFilePath(entry.filePath());
        }
        inside.sort();
        for (const QString& path : inside) {
            const QFileInfo entry(dir.filePath(path));
            if (entry.isSymLink()) {
                listing.leftOut << path;
            } else if (entry.isDir()) {
                listing.folders << path;
            } else if (!entry.isFile()) {
                listing.leftOut << path;
            } else if (!isUnfinishedWrite(entry.fileName())) {
                const std::optional<Item> item = itemOf(path);
                if (item)
                    listed(path, *item);
                else
                    listing.leftOut << path;
            }
        }
    }
    // Without the outputs, the package register still goes: the agency must keep it.
    if (!includeOutputs) {
        const QFileInfo reg(dir.filePath(packageRegister()));
        if (reg.isSymLink())
            listing.leftOut << packageRegister();
        else if (reg.isFile())
            listed(packageRegister(), { packageRegister(), ItemKind::Data, false });
    }
    return listing;
}

QList<Item> presentItems(const QString& programDir)
{
    QList<Item> items;
    const QDir dir(programDir);
    for (const QFileInfo& entry :
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString name = entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            if (dataFolders().contains(name))
                items.append({ name, ItemKind::Data, true });
            else if (outputFolders().contains(name))
                items.append({ name, ItemKind::Output, true });
        } else if (const std::optional<Item> item = topLevelFile(name)) {
            items.append(*item);
        }
    }
    if (QFileInfo(dir.filePath(packageRegister())).isFile())
        items.append({ packageRegister(), ItemKind::Data, false });
    return items;
}

} // namespace lumidex::backup
