#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Small JPEGs as cameras write them, made in the tests: EXIF tags are written
// into them with exiv2.
namespace lumidex::test {

// EXIF key ("Exif.Image.Make") and its text.
using ExifTags = QList<QPair<QString, QString>>;

// The tags of a photo straight from a camera: Canon EOS R5, shot on 1 June 2024,
// edited on 15 July 2024.
ExifTags canonR5Tags();

// Writes a small JPEG at `path` carrying `tags`; with none, the JPEG has no EXIF
// at all. Returns false when the file could not be made.
bool writeCameraJpeg(const QString& path, const ExifTags& tags);

} // namespace lumidex::test
