#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <functional>

struct archive;
struct archive_entry;

namespace lumidex::backup {

// A ZIP file read through libarchive from its central directory, entry by
// entry. Each entry's data is checked against its CRC as it is read; a damaged
// entry, a read error or a file that is no ZIP is a failure, in libarchive's
// words.
class ZipReader {
public:
    // `fd` stays the caller's, open, after the reader is gone.
    explicit ZipReader(int fd);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    enum class Type { File, Folder, Link, Other };
    struct Entry {
        // As stored, in UTF-8; a folder's without its closing "/".
        QString path;
        Type type = Type::Other;
        qint64 size = 0;
        QDateTime modified;
        // A hard link to an earlier entry (a ZIP never has one of its own making).
        bool linked = false;
        // The name could not be read as UTF-8.
        bool badName = false;
    };

    enum class Next { Entry, End, Failed };
    Next next(Entry& entry);
    // Hands the current entry's data in order; false from `take` stops. False
    // for a failure (errorString() says which) or a stop.
    bool readData(const std::function<bool(QByteArrayView bytes)>& take);

    QString errorString() const { return m_error; }

private:
    bool failWith(const QString& reason);

    struct archive* m_archive = nullptr;
    QString m_error;
    bool m_open = false;
};

} // namespace lumidex::backup
