#pragma once

#include "common/FailureCause.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;

// How every file the program keeps is written: into a new file beside it that
// takes its place only once it is wholly written and on the disk. A write that
// fails anywhere (a full disk, a file size limit, a folder that cannot be
// written, a source that cannot be read) leaves the old file exactly as it was
// and is reported as a failure, never as a success.
namespace lumidex::safewrite {

// Writes the new contents into `out`; false for a failure of its own (a source
// that cannot be read, a picture the encoder refuses), with `why` saying what it
// was. A write that `out` refuses needs no reason: the file knows it.
using Fill = std::function<bool(QIODevice& out, FailureCause& why)>;

// Replaces the file at `path` with what `fill` writes, synced to the disk before
// it takes the old file's place. When `path` is a symbolic link, the link itself
// is replaced by the new file: nothing is written through it to the file it leads
// to. On failure returns false, leaves the old file (or link, or nothing) where it
// was, and gives the cause if asked.
[[nodiscard]] bool replaceFile(const QString& path, const Fill& fill, FailureCause* cause = nullptr);
// The same with contents known in advance.
[[nodiscard]] bool replaceFile(const QString& path, QByteArrayView contents, FailureCause* cause = nullptr);

} // namespace lumidex::safewrite
