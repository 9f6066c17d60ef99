#pragma once

#include <QString>

namespace lumidex {

// Everything that tells a men's photo-book window from a women's one. Every book
// window exists once per side with the same behaviour; the side is the only
// thing the two instances differ by.
struct Side {
    // Book archives: "<book name><extension>" in the program folder.
    QString extension;
    QString searchPattern;
    // Folder of the entries' photos, inside the program folder.
    QString photoFolder;

    // What the opening window writes into its marker to hand a book to the editor.
    QString openMarker;
    // Markers the editor gives the search and attached-files windows, and the calendar.
    QString bookMarker;
    QString dateMarker;

    QString menuCaption;
    QString editorCaption;

    // Pictures.
    QString menuTitlePicture;
    QString menuIllustration;
    QString figureName;
    QString figurePicture;
    QString placeholderPicture;

    static const Side& men();
    static const Side& women();

    // "<programDir>/<book name><extension>".
    QString bookPath(const QString& programDir, const QString& bookName) const;
    // The book a file name of this side stands for: the name without its extension.
    static QString bookNameOf(const QString& fileName);
};

} // namespace lumidex
