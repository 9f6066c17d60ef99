#pragma once

#include "common/FailureCause.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Where the photos of cards and book entries live, and how their files are read
// and written. Photos are found by archive and position, never by a record field.
namespace lumidex::photofiles {

// Megabytes a decoded picture may take. Qt's default (256) stops near 33
// megapixels at four bytes a pixel; today's cameras take 50 and more.
inline constexpr int largePictureLimitMb = 1024;

// Raises the decoder's limit to largePictureLimitMb for the whole process. The
// limit is one setting that every decoding thread reads (the slideshow's
// preloader, the contact sheet's and the web gallery's pools, the editor), so it
// is written once, at start-up, before any thread decodes: by the program's
// main, the test programs' and the benchmarks'. Never call it where a picture
// may be decoding.
void allowLargePictures();

// <programDir>/Anagrafica/Scheda_<position>.jpg; the position text is trimmed.
QString registryPhotoPath(const QString& programDir, const QString& position);
// <programDir>/<folder>/<bookName>_Foto_<position>.jpg; name and position trimmed.
QString bookPhotoPath(
    const QString& programDir, const QString& folder, const QString& bookName, const QString& position);

// A picture as decoded from a file. `jpegBytes` holds the file's own bytes when it
// was a JPEG, so that writing it back unchanged never re-encodes it.
struct DecodedPicture {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Missing;
    QImage image;
    QByteArray jpegBytes;
};

// The picture decoded at no more than `bound` pixels, upright and with its
// proportions kept, for a view that shows it at that size: a JPEG is decoded
// straight at the smaller size, so a 45-megapixel photo shown on a screen is never
// decoded whole. A picture that already fits, or an empty bound, gives the
// picture at its own size. `jpegBytes` stays empty: the picture is not the file's.
DecodedPicture decodePictureFitting(const QString& path, const QSize& bound);

// A picture file kept as it is: its own bytes, which are what a card's Save
// writes back and what a larger view decodes again at its own size, and the
// picture decoded from them at no more than the size it is shown.
struct KeptPicture {
    DecodedPicture::Status status = DecodedPicture::Status::Missing;
    // At no more than the bound it was read for, upright, proportions kept.
    QImage image;
    // The picture's own size, upright.
    QSize wholeSize;
    QByteArray bytes;
    bool jpeg = false;
};

// Reads the file's bytes (once its first bytes say it is a picture) and decodes
// them at no more than `bound`, upright as the camera meant it (EXIF orientation),
// with room for photos of 50 megapixels and more once allowLargePictures() has
// run; an empty bound decodes the whole picture.
KeptPicture keepPicture(const QString& path, const QSize& bound);
// keepPicture() after creating the file's folder (with missing parents), as every
// load of a card's photo does.
KeptPicture keepPhoto(const QString& path, const QSize& bound);

// Picture file bytes decoded at no more than `bound` (empty: whole), upright and
// with their proportions kept; null when they are no picture.
QImage pictureFromBytes(const QByteArray& bytes, const QSize& bound);

// Writes `jpegBytes` verbatim when given, otherwise `image` encoded as JPEG at the
// library's default quality; the file is replaced atomically. Creates the folder
// first when `createFolder`. On failure returns false and, if asked, the cause.
[[nodiscard]] bool writePhoto(const QString& path, const QImage& image, const QByteArray& jpegBytes, bool createFolder,
    FailureCause* cause = nullptr);

} // namespace lumidex::photofiles
