#pragma once

#include "common/FailureCause.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

namespace lumidex::package {

// How making a package or a gallery ended.
struct WebOutcome {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Failed;
    // The folder made (Done only).
    QString folder;
    // What went wrong (Failed only).
    FailureCause cause;
};

// One step of long work done: how many of its items are done. False when the
// user asked to stop.
using WorkStep = std::function<bool(int done)>;

// A new folder that a package or gallery is written into. Until it is kept, the
// folder goes again with everything in it when the object goes: a package cut
// short by a failure or by the user leaves nothing half made behind.
class WebFolder {
public:
    WebFolder() = default;
    WebFolder(const WebFolder&) = delete;
    WebFolder& operator=(const WebFolder&) = delete;
    ~WebFolder();

    // Creates "<parentDir>/<base>" or, when that is taken, "<base> (2)", ...
    [[nodiscard]] bool create(const QString& parentDir, const QString& base, FailureCause* cause);
    const QString& path() const { return m_path; }

    // Writes the file at `relativePath` inside the folder (creating its
    // sub-folder), wholly or not at all.
    [[nodiscard]] bool write(const QString& relativePath, QByteArrayView contents, FailureCause* cause);

    // Writes the style sheet and `indexPage` as index.html, the last files of the
    // folder, and keeps the folder when they are written: Done with the folder's
    // path, or Failed with the cause.
    WebOutcome finish(const QByteArray& indexPage);

private:
    QString m_path;
    bool m_kept = false;
};

} // namespace lumidex::package
