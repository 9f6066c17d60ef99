#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace lumidex {

// The pointer shows the wait for as long as this lives: a scan of a large
// archive, a spreadsheet written, a report of many pictures painted.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace lumidex
