#include "storage/FolderSync.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace lumidex {

void syncFolderOf(const QString& filePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace lumidex
