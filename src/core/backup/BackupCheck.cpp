#include "backup/BackupCheck.h"

#include "backup/ChecksumList.h"
#include "backup/Sha256.h"
#include "backup/ZipReader.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumidex::backup {

namespace {

bool underFolder(const QString& path, const char* folder)
{
    const QString prefix = QString::fromLatin1(folder) + QLatin1Char('/');
    return path.startsWith(prefix);
}

void count(Contents& contents, const CheckedFile& file)
{
    const int recordSize = recordSizeOf(file.path);
    if (!file.path.contains(QLatin1Char('/')) && recordSize == layouts::registry.size()) {
        contents.cards += int(file.size / recordSize);
    } else if (!file.path.contains(QLatin1Char('/')) && recordSize == layouts::book.size()) {
        ++contents.books;
        contents.bookEntries += int(file.size / recordSize);
    } else if (underFolder(file.path, programfolder::registryPhotoFolder)
        || underFolder(file.path, programfolder::menPhotoFolder)
        || underFolder(file.path, programfolder::womenPhotoFolder)) {
        ++contents.photos;
    } else if (underFolder(file.path, programfolder::attachmentsFolderName)) {
        ++contents.attachedFiles;
    }
    contents.bytes += file.size;
}

// The backup's items, each once: a folder's, or the package register alone.
void addItem(QList<Item>& items, const Item& item)
{
    if (!items.contains(item))
        items.append(item);
}

class CheckRun {
public:
    CheckRun(const QString& zipPath, const CheckStep& step)
        : m_zipPath(zipPath)
        , m_step(step)
    { }

    Check checkAll(bool fromDisk);

private:
    Check& fail(Check::Result result, const QString& entry, const QString& reason)
    {
        m_check.result = result;
        m_check.entry = entry;
        m_check.reason = reason;
        return m_check;
    }
    bool entryAllowed(const ZipReader::Entry& entry);
    Check& compareWithList(const QByteArray& listText);

    QString m_zipPath;
    const CheckStep& m_step;
    Check m_check;
    QSet<QString> m_names;
    qint64 m_done = 0;
    qint64 m_total = 0;
};

bool CheckRun::entryAllowed(const ZipReader::Entry& entry)
{
    if (entry.badName) {
        fail(Check::Result::Foreign, entry.path, QStringLiteral("name not in UTF-8"));
        return false;
    }
    if (entry.linked || entry.type == ZipReader::Type::Link || entry.type == ZipReader::Type::Other) {
        fail(Check::Result::Foreign, entry.path, QStringLiteral("not a file nor a folder"));
        return false;
    }
    const bool list = entry.path == QString::fromLatin1(checksumListName);
    if (entry.type == ZipReader::Type::Folder ? !isBackupFolder(entry.path) : (!list && !itemOf(entry.path))) {
        fail(Check::Result::Foreign, entry.path, QStringLiteral("not something a backup holds"));
        return false;
    }
    if (m_names.contains(entry.path)) {
        fail(Check::Result::Foreign, entry.path, QStringLiteral("the same name twice"));
        return false;
    }
    m_names.insert(entry.path);
    return true;
}

Check& CheckRun::compareWithList(const QByteArray& listText)
{
    const std::optional<QList<checksumlist::Line>> lines = checksumlist::parse(listText);
    if (!lines)
        return fail(
            Check::Result::Damaged, QString::fromLatin1(checksumListName), QStringLiteral("not a list of hashes"));
    QHash<QString, QByteArray> listed;
    for (const checksumlist::Line& line : *lines)
        listed.insert(line.path, line.sha256);
    for (const CheckedFile& file : std::as_const(m_check.files)) {
        const auto found = listed.constFind(file.path);
        if (found == listed.constEnd())
            return fail(Check::Result::Damaged, file.path, QStringLiteral("missing from the list of hashes"));
        if (*found != file.sha256)
            return fail(Check::Result::Damaged, file.path, QStringLiteral("its hash disagrees with the list"));
        listed.remove(file.path);
    }
    if (!listed.isEmpty())
        return fail(Check::Result::Damaged, listed.constBegin().key(), QStringLiteral("listed, but not in the backup"));
    m_check.result = Check::Result::Sound;
    return m_check;
}

Check CheckRun::checkAll(bool fromDisk)
{
    const int fd = ::open(QFile::encodeName(m_zipPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(Check::Result::Unreadable, {}, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(Check::Result::Unreadable, {}, QStringLiteral("not a file"));
    }
    m_check.fileSize = info.st_size;
    m_check.fileModified = QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1000000);
    m_total = info.st_size;
    if (fromDisk)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    ZipReader zip(fd);
    QByteArray listText;
    bool listSeen = false;
    Sha256 hash;
    for (;;) {
        ZipReader::Entry entry;
        const ZipReader::Next next = zip.next(entry);
        if (next == ZipReader::Next::End)
            break;
        if (next == ZipReader::Next::Failed) {
            ::close(fd);
            return fail(m_names.isEmpty() ? Check::Result::Unreadable : Check::Result::Damaged, {}, zip.errorString());
        }
        if (!entryAllowed(entry)) {
            ::close(fd);
            return m_check;
        }
        if (entry.type == ZipReader::Type::Folder) {
            m_check.folders << entry.path;
            if (const std::optional<Item> item = itemOf(entry.path + QStringLiteral("/x")))
                addItem(m_check.items, *item);
            continue;
        }
        const bool list = entry.path == QString::fromLatin1(checksumListName);
        qint64 size = 0;
        bool stopped = false;
        const bool read = zip.readData([&](QByteArrayView bytes) {
            size += bytes.size();
            if (list) {
                // A list of hashes larger than any backup needs is no list.
                if (listText.size() + bytes.size() > (qint64(64) << 20))
                    return false;
                listText.append(bytes);
            } else {
                hash.add(bytes);
            }
            m_done += bytes.size();
            if (m_step && !m_step(m_done, m_total)) {
                stopped = true;
                return false;
            }
            return true;
        });
        if (stopped) {
            ::close(fd);
            return fail(Check::Result::Cancelled, entry.path, {});
        }
        if (!read || size != entry.size) {
            ::close(fd);
            return fail(
                Check::Result::Damaged, entry.path, read ? QStringLiteral("shorter than it says") : zip.errorString());
        }
        if (list) {
            listSeen = true;
            m_check.contents.made = entry.modified;
            continue;
        }
        CheckedFile file { entry.path, size, hash.result(), entry.modified };
        count(m_check.contents, file);
        addItem(m_check.items, *itemOf(entry.path));
        m_check.files.append(file);
    }
    ::close(fd);
    if (!listSeen)
        return fail(Check::Result::Damaged, QString::fromLatin1(checksumListName), QStringLiteral("missing"));
    return compareWithList(listText);
}

} // namespace

bool isBackupFolder(const QString& path)
{
    const std::optional<Item> item = itemOf(path + QStringLiteral("/x"));
    return item && item->folder && !path.contains(QLatin1Char('\\'));
}

Check checkBackup(const QString& zipPath, const CheckStep& step, bool fromDisk)
{
    CheckRun checking(zipPath, step);
    return checking.checkAll(fromDisk);
}

} // namespace lumidex::backup
