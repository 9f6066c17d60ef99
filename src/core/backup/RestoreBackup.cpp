#include "backup/RestoreBackup.h"

#include "backup/BackupItems.h"
#include "backup/BackupSettings.h"
#include "backup/Unpacker.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/ArchiveHold.h"
#include "storage/FolderSync.h"
#include "storage/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex::backup {

namespace {

QString restoreReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray restorePath(const QString& path)
{
    return QFile::encodeName(path);
}

// The moves that put a backup in place, noted as they are made so that a
// failure half-way takes each back, the last first.
class Moves {
public:
    // Moves `from` to `to`, which must not be there yet.
    bool move(const QString& from, const QString& to)
    {
        if (::renameat2(
                AT_FDCWD, restorePath(from).constData(), AT_FDCWD, restorePath(to).constData(), RENAME_NOREPLACE)
            != 0)
            return failed(to);
        m_done.append({ Step::Moved, from, to });
        return true;
    }
    // Puts the new file `replacement` in the place of `current`, whose file is
    // kept at `aside`: for an archive, the name is never without a file, so a
    // program that opens it meanwhile finds the old file or the new one, never
    // none (which would make it an empty archive).
    bool replaceKeeping(const QString& current, const QString& aside, const QString& replacement)
    {
        if (::link(restorePath(current).constData(), restorePath(aside).constData()) != 0)
            return move(current, aside) && move(replacement, current);
        m_done.append({ Step::Linked, current, aside });
        if (::rename(restorePath(replacement).constData(), restorePath(current).constData()) != 0)
            return failed(current);
        m_done.append({ Step::Moved, replacement, current });
        return true;
    }
    bool makeFolder(const QString& path)
    {
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            return true;
        if (::mkdir(restorePath(path).constData(), 0777) != 0)
            return failed(path);
        m_done.append({ Step::Made, path, {} });
        return true;
    }
    void undo()
    {
        for (qsizetype i = m_done.size() - 1; i >= 0; --i) {
            const Done& done = m_done.at(i);
            switch (done.step) {
            case Step::Moved:
                ::rename(restorePath(done.to).constData(), restorePath(done.from).constData());
                break;
            case Step::Linked: {
                struct stat kept;
                struct stat named;
                const bool same = ::stat(restorePath(done.to).constData(), &kept) == 0
                    && ::stat(restorePath(done.from).constData(), &named) == 0 && kept.st_ino == named.st_ino
                    && kept.st_dev == named.st_dev;
                if (same)
                    ::unlink(restorePath(done.to).constData());
                else
                    ::rename(restorePath(done.to).constData(), restorePath(done.from).constData());
                break;
            }
            case Step::Made:
                ::rmdir(restorePath(done.from).constData());
                break;
            }
        }
        m_done.clear();
    }
    const QString& failedPath() const { return m_failedPath; }
    const QString& reason() const { return m_reason; }

private:
    bool failed(const QString& path)
    {
        m_failedPath = path;
        m_reason = restoreReason(errno);
        return false;
    }
    enum class Step { Moved, Linked, Made };
    struct Done {
        Step step;
        QString from;
        QString to;
    };
    QList<Done> m_done;
    QString m_failedPath;
    QString m_reason;
};

QString packageRegisterPath()
{
    return QStringLiteral("Pacchetti/Registro_pacchetti.txt");
}

bool backupHolds(const QList<Item>& items, const QString& name)
{
    return std::any_of(items.begin(), items.end(), [&](const Item& item) { return item.name == name; });
}

// Whether the restore takes the folder's `item` away: what a backup always
// holds goes whether or not this backup has it (a restore brings the folder
// back to the backup's day); what can be made again, the password store and
// the settings only where the backup has its own.
bool takesAway(const Item& item, const QList<Item>& held)
{
    switch (item.kind) {
    case ItemKind::Archive:
    case ItemKind::Data:
        // The register goes with the package folder when the backup has that.
        return !(item.name == packageRegisterPath() && backupHolds(held, QStringLiteral("Pacchetti")));
    case ItemKind::PasswordStore:
    case ItemKind::Settings:
    case ItemKind::Output:
        return backupHolds(held, item.name);
    }
    return false;
}

// The folder's own backup settings, over whatever the backup's "Lumidex.ini"
// says; the rest of the backup's file stays as it was.
bool keepFolderSettings(const QString& programDir, const QString& staging, QString& reason)
{
    const QString staged = settingsPath(staging);
    if (!QFileInfo::exists(staged))
        return true;
    QFile file(staged);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    const QByteArray backupIni = file.readAll();
    file.close();
    const Settings current = readSettings(programDir).value_or(Settings());
    FailureCause cause;
    if (safewrite::replaceFile(staged, withSettings(backupIni, current), &cause))
        return true;
    reason = cause.isKnown() ? cause.words() : cause.detail();
    return false;
}

QString unusedFolder(const QString& programDir, const QString& prefix, const QDateTime& when)
{
    for (QDateTime at = when;; at = at.addSecs(1)) {
        const QString path = QDir(programDir).filePath(prefix + at.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return path;
    }
}

} // namespace

QString asideFolderName(const QDateTime& when)
{
    return QStringLiteral("Prima_del_ripristino_") + when.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
}

RestoreOutcome restoreOver(const QString& programDir, const QString& zipPath, const Check& checked,
    const QDateTime& now, const RestoreStep& step)
{
    RestoreOutcome outcome;
    const QDir dir(programDir);
    const QString staging = unusedFolder(programDir, QStringLiteral("Ripristino_in_corso_"), now);
    if (::mkdir(restorePath(staging).constData(), 0777) != 0) {
        outcome.failedPath = staging;
        outcome.reason = restoreReason(errno);
        return outcome;
    }
    const auto dropStaging = [&] { QDir(staging).removeRecursively(); };

    // Unpacked first, beside the data: a backup that cannot be unpacked whole
    // (a full disk, a damaged drive) changes nothing.
    Unpacker unpacker(zipPath, checked);
    if (!unpacker.unpackInto(staging, step)) {
        dropStaging();
        outcome.result = unpacker.stopped() ? RestoreOutcome::Result::Cancelled : RestoreOutcome::Result::Failed;
        outcome.failedPath = unpacker.failedPath();
        outcome.reason = unpacker.reason();
        return outcome;
    }
    if (!keepFolderSettings(programDir, staging, outcome.reason)) {
        dropStaging();
        outcome.failedPath = settingsPath(programDir);
        return outcome;
    }

    // Every archive of the folder is held until the backup's are in place.
    const QList<Item> present = presentItems(programDir);
    QList<ArchiveHold::Held> archives;
    for (const Item& item : present)
        if (item.kind == ItemKind::Archive && QFileInfo(dir.filePath(item.name)).isFile())
            archives.append({ dir.filePath(item.name), recordSizeOf(item.name) });
    std::unique_ptr<ArchiveHold> hold;
    try {
        hold = std::make_unique<ArchiveHold>(archives, Archive::defaultLockTimeout());
    } catch (const ArchiveError& error) {
        dropStaging();
        outcome.result = RestoreOutcome::Result::ArchiveBusy;
        outcome.reason = error.reason();
        return outcome;
    }

    const QString aside = unusedFolder(programDir, QStringLiteral("Prima_del_ripristino_"), now);
    Moves moves;
    const auto putInPlace = [&]() {
        if (!moves.makeFolder(aside))
            return false;
        for (const Item& item : present) {
            if (!takesAway(item, checked.items))
                continue;
            const QString current = dir.filePath(item.name);
            const QString kept = QDir(aside).filePath(item.name);
            const QString replacement = QDir(staging).filePath(item.name);
            if (item.name.contains(QLatin1Char('/')) && !moves.makeFolder(QFileInfo(kept).absolutePath()))
                return false;
            const bool replaced = !item.folder && QFileInfo::exists(replacement);
            if (replaced ? !moves.replaceKeeping(current, kept, replacement) : !moves.move(current, kept))
                return false;
        }
        for (const Item& item : checked.items) {
            const QString current = dir.filePath(item.name);
            const QString replacement = QDir(staging).filePath(item.name);
            // Put in already, in the place of the folder's own.
            if (!QFileInfo::exists(replacement))
                continue;
            if (item.name.contains(QLatin1Char('/')) && !moves.makeFolder(QFileInfo(current).absolutePath()))
                return false;
            if (!moves.move(replacement, current))
                return false;
        }
        return true;
    };
    if (!putInPlace()) {
        moves.undo();
        hold.reset();
        dropStaging();
        outcome.failedPath = moves.failedPath();
        outcome.reason = moves.reason();
        return outcome;
    }
    syncFolderOf(dir.filePath(QStringLiteral("x")));
    syncFolderOf(QDir(aside).filePath(QStringLiteral("x")));
    hold.reset();
    dropStaging();
    outcome.result = RestoreOutcome::Result::Done;
    outcome.asideFolder = aside;
    return outcome;
}

RestoreOutcome restoreInto(const QString& folder, const QString& zipPath, const Check& checked, const RestoreStep& step)
{
    RestoreOutcome outcome;
    const QFileInfo info(folder);
    const bool made = !info.exists();
    if (made && !QDir().mkpath(folder)) {
        outcome.failedPath = folder;
        outcome.reason = restoreReason(errno);
        return outcome;
    }
    QDir target(folder);
    if (!made && !target.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        outcome.result = RestoreOutcome::Result::FolderNotEmpty;
        outcome.failedPath = folder;
        return outcome;
    }
    Unpacker unpacker(zipPath, checked);
    if (unpacker.unpackInto(folder, step)) {
        outcome.result = RestoreOutcome::Result::Done;
        return outcome;
    }
    // The folder was empty: everything in it now is what the unpacking wrote.
    if (made) {
        target.removeRecursively();
    } else {
        for (const QFileInfo& entry :
            target.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            if (entry.isDir() && !entry.isSymLink())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    }
    outcome.result = unpacker.stopped() ? RestoreOutcome::Result::Cancelled : RestoreOutcome::Result::Failed;
    outcome.failedPath = unpacker.failedPath();
    outcome.reason = unpacker.reason();
    return outcome;
}

} // namespace lumidex::backup
