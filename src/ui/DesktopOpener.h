#pragma once

#include <QString>

namespace lumidex {

// How the desktop answered when asked to open a file.
enum class DesktopAnswer {
    // An application has the file.
    Opened,
    // The opener found no application for the file, or no file.
    Refused,
    // There is no opener (xdg-open) to ask.
    NoOpener,
};

// Hands the file at `path` to the desktop's opener, xdg-open, and reads its
// answer. On a full desktop xdg-open passes the file on and says at once whether
// an application took it; on a bare window manager it runs the application
// itself and returns only when that ends, so an opener still running after
// `patienceMs` has found one. The application keeps running whatever happens here.
[[nodiscard]] DesktopAnswer openFileOnDesktop(const QString& path, int patienceMs = 1500);

} // namespace lumidex
