#pragma once

#include "common/FailureCause.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// The pictures of a package or gallery: JPEG files made from the photos at the
// size a screen shows them, never the originals.
namespace lumidex::package {

class WebFolder;

// The long side of a large picture of a page, and of a picture of a grid.
inline constexpr int webPictureSide = 1600;
inline constexpr int thumbnailSide = 480;
inline constexpr int webJpegQuality = 85;

// The size a picture of `original` pixels is written at: the same when its long
// side is at most `longSide`, otherwise reduced to that long side with its
// proportions kept (never a side of zero).
QSize webSize(const QSize& original, int longSide);

// The picture at `path` decoded upright (its EXIF orientation applied) straight
// at no more than `longSide` on its long side; null when it cannot be read.
QImage webPicture(const QString& path, int longSide = webPictureSide);

// `picture` reduced to `longSide` as webSize() says, smoothly.
QImage reducedPicture(const QImage& picture, int longSide);

// `picture` as the bytes of a JPEG file; empty when it cannot be encoded.
QByteArray jpegBytes(const QImage& picture, int quality = webJpegQuality);

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
