#include "search/ArchiveSearch.h"

#include "common/Text.h"
#include "search/SearchCriteria.h"
#include "storage/Archive.h"

namespace lumidex {

RecordSource archiveRecords(const QString& filePath, const RecordLayout& layout)
{
    return [archive = Archive(filePath, layout)](const RecordVisit& visit) {
        // One list for the whole scan, its texts rewritten in place record after
        // record: a hundred thousand cards cost no allocation beyond the first
        // ones. A visit that keeps the values (the card found) keeps a copy, which
        // the next record leaves alone.
        QStringList values;
        archive.visit([&](int position, const RecordView& record) {
            record.texts(values);
            return visit(position, values);
        });
    };
}

QStringList searchLines(const RecordSource& records, const SearchCriteria& criteria, LineBuilder line)
{
    QStringList lines;
    records([&](int, const QStringList& values) {
        if (criteria.accepts(values))
            lines.append(line(values));
        return true;
    });
    sortLines(lines);
    return lines;
}

void findLastRecordOfLine(
    const RecordSource& records, LineBuilder line, const QString& chosen, std::optional<Card>& found)
{
    const QString wanted = text::trimmed(chosen);
    records([&](int position, const QStringList& values) {
        // Identical lines may stand for several cards; the last of them is the
        // one the editor ends up with.
        if (text::trimmed(line(values)) == wanted)
            found = Card { position, values };
        return true;
    });
}

} // namespace lumidex
