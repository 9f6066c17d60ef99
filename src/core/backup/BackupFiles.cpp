#include "backup/BackupFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace lumidex::backup::backupfiles {

namespace {

const QRegularExpression& backupNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^Lumidex_(\\d{4}-\\d{2}-\\d{2})_(\\d{6})\\.zip$"));
    return pattern;
}

} // namespace

QString nameFor(const QDateTime& made)
{
    return QStringLiteral("Lumidex_%1.zip").arg(made.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
}

bool isBackupName(const QString& fileName)
{
    return madeAt(fileName).isValid();
}

QDateTime madeAt(const QString& fileName)
{
    const QRegularExpressionMatch match = backupNamePattern().match(fileName);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1) + match.captured(2), QStringLiteral("yyyy-MM-ddHHmmss"));
}

QString unfinishedName(const QString& finalName)
{
    return finalName + QStringLiteral(".parziale");
}

QStringList backupsIn(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (isBackupName(name))
            names << name;
    return names;
}

QStringList removeOldest(const QString& folder, int keep, QStringList* notRemoved)
{
    QStringList removed;
    if (keep <= 0)
        return removed;
    const QStringList names = backupsIn(folder);
    const QDir dir(folder);
    for (qsizetype i = 0; i + keep < names.size(); ++i) {
        if (QFile::remove(dir.filePath(names.at(i))))
            removed << names.at(i);
        else if (notRemoved)
            *notRemoved << names.at(i);
    }
    return removed;
}

} // namespace lumidex::backup::backupfiles
