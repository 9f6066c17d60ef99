#pragma once

#include "backup/BackupCheck.h"

#include <QString>
#include <functional>

namespace lumidex::backup {

// Unpacks a checked backup into a folder that the unpacking alone writes to,
// and never outside it: every name is checked again as it comes (a backup may
// have changed since it was checked), folders are made and files created one
// step at a time from the folder down, never through a link nor over a file,
// and each file's bytes must have the hash the check found. The files are on
// the disk when it returns true.
class Unpacker {
public:
    Unpacker(const QString& zipPath, const Check& checked);

    // False for a failure (failedPath() and reason() say what) or a stop.
    bool unpackInto(const QString& folder, const std::function<bool(qint64 done, qint64 total)>& step);

    bool stopped() const { return m_stopped; }
    const QString& failedPath() const { return m_failedPath; }
    const QString& reason() const { return m_reason; }

private:
    bool fail(const QString& path, const QString& reason);

    QString m_zipPath;
    const Check& m_checked;
    bool m_stopped = false;
    QString m_failedPath;
    QString m_reason;
};

} // namespace lumidex::backup
