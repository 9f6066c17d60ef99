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

namespace lumidex::package {

// A photo made ready for a web folder: the page's large picture and, if asked,
// the grid's small one, as JPEG bytes.
struct EncodedPicture {
    enum class Status { Encoded, Unreadable, Failed };
    Status status = Status::Unreadable;
    QByteArray large;
    QSize size;
    QByteArray thumbnail;
    QSize thumbnailSize;
};

// A photo to make ready: its file, and whether the grid shows it too.
struct PictureJob {
    QString sourcePath;
    bool thumbnail = false;
};

// Decodes each picture once, at the large size (a thumbnail reduced from there),
// and encodes it; the pictures side by side on the computer's cores, since a
// camera's photo takes a good part of a second. A picture that cannot be read is
// no failure: its page shows none.
QList<EncodedPicture> encodeWebPictures(const QList<PictureJob>& jobs);

// What a page needs to know of a picture written into the folder.
struct WrittenPicture {
    enum class Status { Written, Unreadable, Failed };
    Status status = Status::Unreadable;
    QSize size;
    QSize thumbnailSize;
};

// Writes `picture` to `largePath` (and its thumbnail to `thumbnailPath`).
WrittenPicture writeWebPicture(WebFolder& folder, const EncodedPicture& picture, const QString& largePath,
    const QString& thumbnailPath, FailureCause* cause);

} // namespace lumidex::package
