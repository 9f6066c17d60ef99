#pragma once

#include <QString>
#include <QtGlobal>

namespace lumidex {

// What tells an archive file as it is now from the same file changed since:
// its size and the time of its last change, which a save from any computer
// moves on, and the file itself (a file put in its place by a restore is
// another). Read without opening the file: it costs a look, not a read.
struct ArchiveStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 file = 0;

    static ArchiveStamp of(const QString& path);

    friend bool operator==(const ArchiveStamp&, const ArchiveStamp&) = default;
};

} // namespace lumidex
