#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <memory>

struct archive;

namespace lumidex::backup {

// A ZIP file written through libarchive into a file the caller opened: an
// ordinary ZIP any system opens, with Zip64 where an entry or the file needs it
// and every name flagged as UTF-8. Every write is checked (a full disk, a drive
// taken away) and the first failure sticks: nothing more is written after it.
class ZipWriter {
public:
    // `fd` stays the caller's, open, after the writer is gone.
    explicit ZipWriter(int fd);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Stored as they are, or deflated.
    enum class Packing { Store, Deflate };

    // Starts the entry of a file of `size` bytes; its data follows with
    // addData(), exactly `size` bytes of it.
    bool beginFile(const QString& path, qint64 size, const QDateTime& modified, Packing packing);
    bool addData(QByteArrayView bytes);
    bool endFile();
    // A folder, so that an empty one comes back too.
    bool addFolder(const QString& path, const QDateTime& modified);
    // Writes the central directory and the end records. The file is not yet
    // synced: the caller does that, and checks it.
    bool finish();

    // What failed, in the system's words where it said.
    QString errorString() const { return m_error; }
    // The bytes written to the file so far.
    qint64 written() const;

private:
    bool failWith(const QString& reason);
    bool check(int status);

    struct Output;
    std::unique_ptr<Output> m_output;
    struct archive* m_archive = nullptr;
    QString m_error;
    bool m_open = false;
};

} // namespace lumidex::backup
