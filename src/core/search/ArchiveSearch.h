#pragma once

#include "search/LineOrder.h"
#include "search/ResultLineBuilders.h"
#include "search/ResultLines.h"
#include "storage/Card.h"
#include "storage/RecordSource.h"

#include <QString>
#include <functional>
#include <optional>

namespace lumidex {

class RecordLayout;
class SearchCriteria;

// The records of the archive file at `filePath`, read in one open-use-close
// cycle per visit; an absent file is created empty.
RecordSource archiveRecords(const QString& filePath, const RecordLayout& layout);

// The result line of every record the criteria accept, sorted for the list.
// Only the lines are held, never the records. A failure part way through throws
// and gives no lines at all.
ResultLines searchLines(const RecordSource& records, const SearchCriteria& criteria, LineBuilder line);

// Looks through every record for the last whose line equals `chosen`, both
// trimmed, and leaves it in `found` (untouched when none matches). Throws on a
// failure, after `found` took the last of the matches seen until then.
void findLastRecordOfLine(
    const RecordSource& records, LineBuilder line, const QString& chosen, std::optional<Card>& found);

} // namespace lumidex
