#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The "SHA256SUMS" list inside a backup, in the form `sha256sum -c` reads: a
// line per file, its hash in lower-case hexadecimal, two blanks and its name.
// A name holding a backslash or a line feed is written as sha256sum writes
// it: the line starts with a backslash, and those two are escaped.
namespace lumidex::backup::checksumlist {

struct Line {
    QString path;
    // The 32 bytes of the hash.
    QByteArray sha256;
    friend bool operator==(const Line&, const Line&) = default;
};

QByteArray format(const QList<Line>& lines);
// The lines of a list; nothing when any line is not one sha256sum would read
// (or names no file, or a name twice).
std::optional<QList<Line>> parse(QByteArrayView text);

} // namespace lumidex::backup::checksumlist
