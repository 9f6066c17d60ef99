#include "ui/RecentFolders.h"

#include <QFileInfo>
#include <array>

namespace lumidex {

namespace {

std::array<QString, 3>& folders()
{
    static std::array<QString, 3> lastUsed;
    return lastUsed;
}

} // namespace

QString lastFolder(FolderUse use)
{
    return folders()[std::size_t(use)];
}

void rememberFolderOf(FolderUse use, const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        folders()[std::size_t(use)] = QFileInfo(chosenFile).absolutePath();
}

} // namespace lumidex
