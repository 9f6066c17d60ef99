#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString copyForAnyUser(const QString& program, const QString& folder)
{
    using P = QFileDevice;
    const P::Permissions everyone = P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadUser | P::WriteUser | P::ExeUser
        | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther;
    const QString copy = QDir(folder).filePath(QFileInfo(program).fileName());
    if (!QFile::copy(program, copy) || !QFile::setPermissions(copy, everyone)
        || !QFile::setPermissions(folder, everyone))
        return {};
    return copy;
}

} // namespace lumidex::test
