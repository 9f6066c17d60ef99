#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex::test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

bool everyUserCanEnter(const QString& folder)
{
    QString path = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty())
        return false;
    for (;;) {
        struct stat status { };
        if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !(status.st_mode & S_IXOTH))
            return false;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return true;
        path = parent;
    }
}

std::unique_ptr<QTemporaryDir> folderForAnyUser()
{
    for (const QString& place : { QDir::tempPath(), QStringLiteral("/tmp"), QStringLiteral("/var/tmp") }) {
        if (!everyUserCanEnter(place))
            continue;
        auto folder = std::make_unique<QTemporaryDir>(QDir(place).filePath(QStringLiteral("lumidex-XXXXXX")));
        if (folder->isValid())
            return folder;
    }
    return nullptr;
}

QString copyForAnyUser(const QString& program, const QString& folder)
{
    using P = QFileDevice;
    const P::Permissions everyone = P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadUser | P::WriteUser | P::ExeUser
        | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther;
    const QString copy = QDir(folder).filePath(QFileInfo(program).fileName());
    if (!QFile::copy(program, copy) || !QFile::setPermissions(copy, everyone)
        || !QFile::setPermissions(folder, everyone) || !everyUserCanEnter(folder))
        return {};
    return copy;
}

void startAsNobody(QProcess& process)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_PRELOAD"));
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] {
        if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
    });
}

} // namespace lumidex::test
