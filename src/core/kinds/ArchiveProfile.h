#pragma once

#include "help/HelpPages.h"
#include "kinds/ArchiveKind.h"
#include "report/CardReport.h"

#include <QList>
#include <QString>
#include <optional>

namespace lumidex {

class RecordLayout;
struct ExportTable;
struct FindFields;
struct SearchForm;

// A field the editor will not save without, and the warning when it is blank.
struct RequiredField {
    int field;
    QString message;
};

// The sheet an editor prints beside its card, with a toolbar button of its own.
enum class CardSheet { CompCard, ContactSheet };

// What an editor makes for the web, with a toolbar button of its own: the
// registry a package of chosen cards for a client, a book its gallery.
enum class WebOutput { Package, Gallery };

// Everything that tells the registry, the men's books and the women's books
// apart. Every window that serves more than one of them is one implementation
// that takes the kind and looks here; nothing else in the program decides by
// kind. Book-only items are empty for the registry, and the other way round.
struct ArchiveProfile {
    ArchiveKind kind;

    // Archive files and records. The registry is one file in the program
    // folder; every book is "<book name><bookExtension>" there.
    QString archiveFileName;
    QString bookExtension;
    // What the opening window lists the side's books by.
    QString bookSearchPattern;
    const RecordLayout& layout;
    // The card's edit fields come first in the record; the attachments follow.
    int editFieldCount;

    // Folder of the photos, inside the program folder; photoPath() names them.
    QString photoFolder;

    // The words a window's hidden memory label shows for this kind: in the
    // dialogs its editor opens (search, attached files), in a book side's opening
    // window when it hands a book to the editor, and in the calendar. Nothing
    // reads them back; windows take the kind itself.
    QString cardMarker;
    QString openMarker;
    QString dateMarker;

    QString editorCaption;
    QString menuCaption;
    QString slideshowCaption;

    // What the editor shows for a card without a photo.
    QString placeholderPicture;
    // The figure that stands for the archive beside the search criteria; on a
    // book side's creation window it is the control `figureName`.
    QString figurePicture;
    QString figureName;
    // The book menu's title picture and illustration.
    QString menuTitlePicture;
    QString menuIllustration;

    // The editor: the fields Save wants, in the order it tests them, and its
    // toolbar (the books put Preview before Print).
    QList<RequiredField> requiredFields;
    bool previewBeforePrint;
    CardSheet sheet;
    WebOutput webOutput;

    // The windows that take a card or the archive out of the program: the
    // search, the export, the printed card, and the help page of the editor
    // (and of a side's catalogue windows).
    const SearchForm& search;
    // What the editor's find field looks in and lists.
    const FindFields& find;
    const ExportTable& exportTable;
    report::ReportLayout (*cardLayout)();
    std::optional<report::ReportLayout> (*filledCard)(const report::CardValues& card);
    HelpPage helpPage;

    // The registry's archive file; empty for a book side, whose archives are
    // named after their books.
    QString archivePath(const QString& programDir) const;
    // "<programDir>/<book name><bookExtension>".
    QString bookPath(const QString& programDir, const QString& bookName) const;
    // The photo file of the card at `position` (a book's entries are named
    // after their book; the registry ignores `bookName`).
    QString photoPath(const QString& programDir, const QString& bookName, const QString& position) const;
};

const ArchiveProfile& archiveProfile(ArchiveKind kind);

} // namespace lumidex
