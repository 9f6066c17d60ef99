#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Photos and screens as an agency has them, made by the benchmarks themselves.
namespace lumidex::bench {

// 8256 × 5504: a 45-megapixel full-frame camera.
inline constexpr QSize cameraFrame(8256, 5504);

// Broad shapes with the grain of a real photo, so that the JPEG written from it
// has the size and the entropy of a camera's (about 15 MB), not of a flat card.
QImage cameraPhoto(const QSize& size = cameraFrame);

// Writes cameraPhoto() as a JPEG at the quality cameras use; false on failure.
bool writeCameraJpeg(const QString& path, const QSize& size = cameraFrame);

// A program folder whose registry holds `cards` cards ("Modella 1", ...); those
// at the positions `photographed` have the camera photo as their photo file.
struct CameraProgram {
    CameraProgram(int cards, const QList<int>& photographed);

    QTemporaryDir dir;
    // The photo file of the first photographed card.
    QString photo;
};

// Makes the window system of this process an offscreen screen of 1920 × 1080,
// the common desktop, whatever display there is (or none). Must run before the
// application object exists; `configFolder` must outlive it.
void useDesktopScreen(const QString& configFolder);

} // namespace lumidex::bench
