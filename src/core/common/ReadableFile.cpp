#include "common/ReadableFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumidex {

FailureCause readFailureOf(const QString& path)
{
    if (path.isEmpty())
        return FailureCause::fromSystem(ENOENT, path);
    // Not blocking: a named pipe in the file's place must not hold the window.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return FailureCause::fromErrno(path);
    ::close(fd);
    return {};
}

} // namespace lumidex
