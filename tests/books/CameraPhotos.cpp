#include "CameraPhotos.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <exiv2/exiv2.hpp>

namespace lumidex::test {

ExifTags canonR5Tags()
{
    return { { "Exif.Image.Make", "Canon" }, { "Exif.Image.Model", "Canon EOS R5" },
        { "Exif.Photo.DateTimeOriginal", "2024:06:01 14:30:05" },
        { "Exif.Photo.DateTimeDigitized", "2024:06:01 14:30:05" }, { "Exif.Image.DateTime", "2024:07:15 09:00:00" } };
}

bool writeCameraJpeg(const QString& path, const ExifTags& tags)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    if (!image.save(path, "JPEG"))
        return false;
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
