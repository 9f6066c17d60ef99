#include "gui/editor/CardEditor.h"

#include "find/FindQuery.h"
#include "gui/find/FindField.h"
#include "kinds/ArchiveProfile.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"

#include <QLineEdit>

namespace lumidex {

QLineEdit* CardEditor::makeFindField()
{
    return attachFindField(*panel(), m_profile.find,
        { [this] { return archivePath(); },
            [this](int position, const FindQuery& query) { return openFoundCard(position, query); } });
}

FoundCardOpening CardEditor::openFoundCard(int position, const FindQuery& query)
{
    try {
        const Archive archive(archivePath(), m_profile.layout);
        const Archive::CountAndCard read
            = archive.readChosen([position](int count) { return position <= count ? position : 0; });
        // Another computer may have saved over the card since the list was
        // made, or the archive may have been put back from a copy: only the
        // card the user saw listed is opened.
        if (read.card.position != position || !query.matches(m_profile.find, read.card.values))
            return FoundCardOpening::Changed;
        return showStoredCard(read.card) ? FoundCardOpening::Shown : FoundCardOpening::Stayed;
    } catch (const ArchiveError& error) {
        showArchiveError(error);
        return FoundCardOpening::Stayed;
    }
}

} // namespace lumidex
