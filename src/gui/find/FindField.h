#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace lumidex {

class FindQuery;
struct FindFields;

// What became of a card chosen in the find field's list.
enum class FoundCardOpening {
    // It is on screen.
    Shown,
    // The card on screen stayed (its unsaved changes were kept, or the archive
    // could not be read, which was told).
    Stayed,
    // The card is no longer the one listed (changed or gone since the index
    // was made): the list is made again.
    Changed,
};

// What the find field asks of its editor.
struct FindFieldHooks {
    // The archive the editor works on now.
    std::function<QString()> archivePath;
    // Opens the card of `position`, listed for `query`.
    std::function<FoundCardOpening(int position, const FindQuery& query)> open;
};

// Makes the find field `txtTrovaAlVolo` of an editor whose cards are found by
// `fields`, with its list over `host` (the panel the field lies in), and the
// shortcut Ctrl+K to it in `host`'s window. The caller lays the field out.
// As the user types, the list shows the cards that answer; Up and Down move in
// it, Enter or a click opens the card, Esc closes the list and then empties
// the field. The index of the archive is made when the window is shown, and
// made again whenever the archive changed.
QLineEdit* attachFindField(QWidget& host, const FindFields& fields, FindFieldHooks hooks);

} // namespace lumidex
