#pragma once

#include "storage/RecordLayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumidex {

// One archive file of fixed-size records. There is no cache and no open handle
// between calls: every operation opens the file, does its work and closes it,
// so the folder can be copied at any moment as a backup.
//
// An absent file is created empty by the first operation. Every operation holds
// a lock file beside the archive ("<file>.lock") while it runs, so that two
// instances working on a shared folder never overwrite each other's appends; a
// lock that cannot be had within lockTimeoutMs is a failure like any other.
// All failures throw ArchiveError. Positions are 1-based.
class Archive {
public:
    static constexpr int lockTimeoutMs = 5000;

    Archive(QString filePath, const RecordLayout& layout);

    const QString& filePath() const { return m_filePath; }
    const RecordLayout& layout() const { return m_layout; }

    // File size divided by the record size; a partial last record is not counted.
    int count() const;
    // Reading past the last record is a failure.
    QStringList read(int position) const;
    // Overwrites the record at `position` (1 .. count()).
    void write(int position, const QStringList& values) const;
    // Appends and returns the new record's position (former count + 1).
    int append(const QStringList& values) const;
    // Every record in file order, in one open-use-close cycle.
    QList<QStringList> readAll() const;
    // Streams every record in file order; return false from `visit` to stop.
    void forEach(const std::function<bool(int position, const QStringList& values)>& visit) const;

private:
    QString m_filePath;
    const RecordLayout& m_layout;
};

} // namespace lumidex
