#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace lumidex {

// The pointer shows the wait for as long as this lives: a scan of a large
// archive, a spreadsheet written, a report of many pictures painted. Work that
// a progress window may stop takes the busy pointer, under which "Annulla"
// still looks like something to press.
class WaitCursor {
public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(shape); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace lumidex
