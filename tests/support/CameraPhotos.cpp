#include "support/CameraPhotos.h"

#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QColor>
#include <QFile>
#include <exiv2/exiv2.hpp>

namespace lumidex::test {

ExifTags canonR5Tags()
{
    return { { QStringLiteral("Exif.Image.Make"), QStringLiteral("Canon") },
        { QStringLiteral("Exif.Image.Model"), QStringLiteral("Canon EOS R5") },
        { QStringLiteral("Exif.Photo.DateTimeOriginal"), QStringLiteral("2024:06:01 14:30:05") },
        { QStringLiteral("Exif.Photo.DateTimeDigitized"), QStringLiteral("2024:06:01 14:30:05") },
        { QStringLiteral("Exif.Image.DateTime"), QStringLiteral("2024:07:15 09:00:00") } };
}

bool writeCameraJpeg(const QString& path, const ExifTags& tags)
{
    const QByteArray jpeg = encodeJpeg(markedImage(QSize(32, 24), QColor(200, 120, 40)));
    if (jpeg.isEmpty())
        return false;
    writeBytes(path, jpeg);
    if (tags.isEmpty())
        return true;
    try {
        auto file = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString(), false);
        file->readMetadata();
        Exiv2::ExifData& exif = file->exifData();
        for (const auto& [key, value] : tags)
            exif[key.toStdString()] = value.toStdString();
        file->writeMetadata();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace lumidex::test
