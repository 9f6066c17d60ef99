#pragma once

class QString;
class QWidget;

namespace lumidex {

struct Side;

// The export windows, each owned by the editor that opens it and run until the
// user leaves it. Nothing comes back to the editor.
void openRegistryExport(QWidget* owner, const QString& programDir);
// `bookPath` is the book file open in the side's editor.
void openBookExport(QWidget* owner, const QString& programDir, const Side& side, const QString& bookPath);

} // namespace lumidex
