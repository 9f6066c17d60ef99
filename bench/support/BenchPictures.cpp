#include "BenchPictures.h"

#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <cmath>

namespace lumidex::bench {

QImage cameraPhoto(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator grain(2024);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(grain.bounded(24u));
            const double wave = std::sin(x / 300.0) * std::cos(y / 170.0);
            line[x] = qRgb(qBound(0, int(120 + 100 * wave) + n, 255), qBound(0, y * 255 / image.height() + n, 255),
                qBound(0, int(128 + 60 * std::sin((x + y) / 90.0)) + n, 255));
        }
    }
    return image;
}

bool writeCameraJpeg(const QString& path, const QSize& size)
{
    QImageWriter writer(path, "jpg");
    writer.setQuality(90);
    return writer.write(cameraPhoto(size));
}

CameraProgram::CameraProgram(int cards, const QList<int>& photographed)
{
    const Archive archive(programfolder::registryArchivePath(dir.path()), layouts::registry);
    for (int i = 1; i <= cards; ++i)
        archive.append(QStringList(layouts::registry.fieldCount(), QStringLiteral("Modella %1").arg(i)));
    for (int position : photographed) {
        const QString path = photofiles::registryPhotoPath(dir.path(), QString::number(position));
        QDir().mkpath(QFileInfo(path).absolutePath());
        // One photo encoded, the others copies of it.
        if (photo.isEmpty()) {
            photo = path;
            if (!writeCameraJpeg(photo))
                qFatal("cannot write the benchmark photo");
        } else if (!QFile::copy(photo, path)) {
            qFatal("cannot copy the benchmark photo");
        }
    }
}

void useDesktopScreen(const QString& configFolder)
{
    const QString config = QDir(configFolder).filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the screen configuration");
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

} // namespace lumidex::bench
