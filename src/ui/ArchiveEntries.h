#pragma once

#include "storage/ArchiveError.h"
#include "texts/EditorTexts.h"
#include "ui/Interaction.h"

#include <optional>

class QWidget;

namespace lumidex {

// What a command over a whole archive works on (a book's entries for a gallery
// or a contact sheet, the registry's cards for a package), read by `read`.
// Where the archive cannot be read or holds nothing, the user is told so, as
// every such command tells it, and nothing is given.
template <typename Read> auto archiveEntriesOrTell(QWidget* owner, Read read) -> std::optional<decltype(read())>
{
    decltype(read()) entries;
    try {
        entries = read();
    } catch (const ArchiveError& error) {
        interaction().message(owner, MessageKind::Error, archiveFailureMessage(error), Buttons::OkCancel);
        return std::nullopt;
    }
    if (entries.isEmpty()) {
        interaction().message(owner, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
        return std::nullopt;
    }
    return entries;
}

} // namespace lumidex
