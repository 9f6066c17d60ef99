#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace lumidex::help {

// A chapter of the printed manual "Guida.pdf" beyond the help pages: what the
// program offers that no help window explains (the comp card, the contact
// sheet, the shooting data read from a photo, the keyboard, the care it takes of
// the data).
struct ManualChapter {
    QString title;
    QStringList paragraphs;
};

// In the order of the manual, after the help pages.
QList<ManualChapter> manualChapters();

} // namespace lumidex::help
