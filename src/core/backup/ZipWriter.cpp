#include "backup/ZipWriter.h"

#include "storage/CheckedOutput.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

namespace lumidex::backup {

namespace {

// What libarchive hands the file at a time: large writes, few system calls.
constexpr int bytesPerBlock = 1 << 20;

} // namespace

// The file as libarchive writes it: through the program's checked output, which
// also has the system take what was written to the disk a few megabytes behind,
// so that the final sync has little left to do.
struct ZipWriter::Output {
    explicit Output(int fd)
        : handle(fd)
    {
        file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    }
    int handle;
    QFile file;
    CheckedOutput out { file, handle };
};

ZipWriter::ZipWriter(int fd)
    : m_output(std::make_unique<Output>(fd))
    , m_archive(archive_write_new())
{
    if (!m_archive) {
        m_error = QStringLiteral("libarchive cannot write");
        return;
    }
    const auto write = [](struct archive* a, void* data, const void* buffer, size_t length) -> la_ssize_t {
        auto* output = static_cast<Output*>(data);
        if (output->out.write(static_cast<const char*>(buffer), qint64(length)) != qint64(length)) {
            archive_set_error(a, EIO, "%s", qPrintable(output->out.errorString()));
            return -1;
        }
        return la_ssize_t(length);
    };
    // Every name in UTF-8, flagged as such; Zip64 only where needed (an entry or
    // the file past 4 GiB, more than 65,535 entries).
    m_open = check(archive_write_set_format_zip(m_archive))
        && check(archive_write_set_options(m_archive, "zip:hdrcharset=UTF-8"))
        && check(archive_write_set_bytes_per_block(m_archive, bytesPerBlock))
        // The last block is not padded out: the file ends where the ZIP does.
        && check(archive_write_set_bytes_in_last_block(m_archive, 1))
        && check(archive_write_open2(m_archive, m_output.get(), nullptr, write, nullptr, nullptr));
}

ZipWriter::~ZipWriter()
{
    if (m_archive)
        archive_write_free(m_archive);
}

bool ZipWriter::failWith(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    m_open = false;
    return false;
}

bool ZipWriter::check(int status)
{
    if (status == ARCHIVE_OK)
        return true;
    if (status == ARCHIVE_WARN)
        return true;
    const char* text = archive_error_string(m_archive);
    return failWith(text ? QString::fromLocal8Bit(text) : QStringLiteral("libarchive error %1").arg(status));
}

bool ZipWriter::beginFile(const QString& path, qint64 size, const QDateTime& modified, Packing packing)
{
    if (!m_open)
        return false;
    struct archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, path.toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, size);
    archive_entry_set_mtime(entry, modified.toSecsSinceEpoch(), 0);
    const int packed = packing == Packing::Store ? archive_write_zip_set_compression_store(m_archive)
                                                 : archive_write_zip_set_compression_deflate(m_archive);
    const bool ok = check(packed) && check(archive_write_header(m_archive, entry));
    archive_entry_free(entry);
    return ok;
}

bool ZipWriter::addData(QByteArrayView bytes)
{
    if (!m_open)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const la_ssize_t n = archive_write_data(m_archive, bytes.data() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return check(n < 0 ? int(n) : ARCHIVE_FATAL);
        done += n;
    }
    return true;
}

bool ZipWriter::endFile()
{
    return m_open && check(archive_write_finish_entry(m_archive));
}

bool ZipWriter::addFolder(const QString& path, const QDateTime& modified)
{
    if (!m_open)
        return false;
    struct archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, (path + QLatin1Char('/')).toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFDIR);
    archive_entry_set_perm(entry, 0755);
    archive_entry_set_size(entry, 0);
    archive_entry_set_mtime(entry, modified.toSecsSinceEpoch(), 0);
    const bool ok = check(archive_write_header(m_archive, entry)) && check(archive_write_finish_entry(m_archive));
    archive_entry_free(entry);
    return ok;
}

bool ZipWriter::finish()
{
    if (!m_open)
        return false;
    const bool closed = check(archive_write_close(m_archive));
    m_open = false;
    return closed && !m_output->out.failed();
}

qint64 ZipWriter::written() const
{
    return m_output->file.pos();
}

} // namespace lumidex::backup
