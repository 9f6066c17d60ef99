#include "storage/ProgramFolder.h"

#include <QDir>

namespace lumidex::programfolder {

QString registryArchivePath(const QString& programDir)
{
    return QDir(programDir).filePath(QString::fromLatin1(registryArchiveName));
}

QString attachmentsFolderPath(const QString& programDir)
{
    return QDir(programDir).filePath(QString::fromLatin1(attachmentsFolderName));
}

} // namespace lumidex::programfolder
