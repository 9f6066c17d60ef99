#pragma once

// What several benchmark programs share: a photo with a camera's size and grain,
// and the process's memory as the kernel counts it.

#include <QImage>
#include <QRandomGenerator>
#include <QSize>
#include <cmath>
#include <fstream>
#include <string>

namespace lumidex::bench {

// Broad shapes with the grain of a real photo, so that its JPEG file has the
// size and the entropy of a camera's, not of a flat test card.
inline QImage cameraPhoto(const QSize& frame)
{
    QImage image(frame, QImage::Format_RGB32);
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

// A field of /proc/self/status in bytes ("VmHWM:   123 kB"); -1 when missing.
inline qint64 statusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stoll(line.substr(field.size() + 1)) * 1024;
    return -1;
}

// Resets the kernel's high-water mark of the resident set (VmHWM) to the
// resident set of now. False where the system does not allow it.
inline bool resetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return bool(clear.flush());
}

} // namespace lumidex::bench
