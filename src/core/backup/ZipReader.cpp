#include "backup/ZipReader.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

namespace lumidex::backup {

namespace {

constexpr size_t readBlock = 1 << 20;

} // namespace

ZipReader::ZipReader(int fd)
    : m_archive(archive_read_new())
{
    if (!m_archive) {
        m_error = QStringLiteral("libarchive cannot read");
        return;
    }
    // The central directory, not the entries' own headers, says what the ZIP
    // holds: what any other program lists and unpacks.
    if (archive_read_support_format_zip_seekable(m_archive) != ARCHIVE_OK
        || archive_read_open_fd(m_archive, fd, readBlock) != ARCHIVE_OK) {
        failWith(QString::fromLocal8Bit(archive_error_string(m_archive)));
        return;
    }
    m_open = true;
}

ZipReader::~ZipReader()
{
    if (m_archive)
        archive_read_free(m_archive);
}

bool ZipReader::failWith(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason.isEmpty() ? QStringLiteral("The ZIP file cannot be read") : reason;
    m_open = false;
    return false;
}

ZipReader::Next ZipReader::next(Entry& entry)
{
    if (!m_open)
        return Next::Failed;
    struct archive_entry* header = nullptr;
    const int status = archive_read_next_header(m_archive, &header);
    if (status == ARCHIVE_EOF)
        return Next::End;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
        failWith(QString::fromLocal8Bit(archive_error_string(m_archive)));
        return Next::Failed;
    }
    entry = Entry();
    const char* name = archive_entry_pathname_utf8(header);
    entry.badName = name == nullptr;
    entry.path = name ? QString::fromUtf8(name) : QString();
    switch (archive_entry_filetype(header)) {
    case AE_IFREG:
        entry.type = Type::File;
        break;
    case AE_IFDIR:
        entry.type = Type::Folder;
        break;
    case AE_IFLNK:
        entry.type = Type::Link;
        break;
    default:
        entry.type = Type::Other;
        break;
    }
    if (entry.type == Type::Folder && entry.path.endsWith(QLatin1Char('/')))
        entry.path.chop(1);
    entry.size = archive_entry_size_is_set(header) ? archive_entry_size(header) : 0;
    entry.modified = QDateTime::fromSecsSinceEpoch(archive_entry_mtime(header));
    entry.linked = archive_entry_hardlink(header) != nullptr || archive_entry_symlink(header) != nullptr;
    return Next::Entry;
}

bool ZipReader::readData(const std::function<bool(QByteArrayView bytes)>& take)
{
    if (!m_open)
        return false;
    la_int64_t expected = 0;
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(m_archive, &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            return true;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            return failWith(QString::fromLocal8Bit(archive_error_string(m_archive)));
        // A ZIP entry's data follow each other without holes.
        if (offset != expected)
            return failWith(QStringLiteral("The entry's data are not whole"));
        expected += la_int64_t(size);
        if (size > 0 && !take(QByteArrayView(static_cast<const char*>(block), qsizetype(size))))
            return false;
    }
}

} // namespace lumidex::backup
