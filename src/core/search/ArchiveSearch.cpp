#include "search/ArchiveSearch.h"

#include "common/Text.h"
#include "search/SearchCriteria.h"
#include "storage/Archive.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <vector>

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

void sortLines(QStringList& lines)
{
    // Plain alphabetical order of the whole line: digits are letters like any
    // other ("Scatto 10" before "Scatto 2"), which also keeps the collation of a
    // hundred thousand lines quick.
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    // One sort key per line costs far less than collating pairs of lines over and
    // over; a hundred thousand lines sort in a blink this way.
    struct Entry {
        QCollatorSortKey key;
        qsizetype index;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.push_back({ collator.sortKey(lines.at(i)), i });
    std::stable_sort(
        entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key.compare(b.key) < 0; });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Entry& entry : entries)
        sorted.append(std::move(lines[entry.index]));
    lines = std::move(sorted);
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
