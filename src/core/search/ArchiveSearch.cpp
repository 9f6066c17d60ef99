#include "search/ArchiveSearch.h"

#include "common/Text.h"
#include "search/SearchCriteria.h"
#include "storage/Archive.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

#include <algorithm>
#include <cstring>

namespace lumidex {

namespace {

// `text` without the blanks (codes 0 to 32) at either end, as text::trimmed
// reads the same line once it is a string.
QByteArrayView trimmedBytes(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && uchar(text[begin]) <= 32)
        ++begin;
    while (end > begin && uchar(text[end - 1]) <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

// The last record seen, kept as its bytes: a hundred thousand matches copy
// that many records into one buffer, and only the last becomes values.
struct LastMatch {
    const RecordLayout* layout = nullptr;
    int position = 0;
    QByteArray bytes;

    void keep(int at, const RecordView& record)
    {
        layout = &record.layout();
        position = at;
        bytes.resize(record.bytes().size());
        std::memcpy(bytes.data(), record.bytes().data(), std::size_t(bytes.size()));
    }
    void handTo(std::optional<Card>& found) const
    {
        if (layout)
            found = Card { position, layout->decode(bytes) };
    }
};

} // namespace

RecordSource archiveRecords(const QString& filePath, const RecordLayout& layout)
{
    return archiveRecords(Archive(filePath, layout));
}

ResultLines searchLines(const RecordSource& records, const SearchCriteria& criteria, LineBuilder line)
{
    // Each run of records builds its own lines; the runs are visited side by side.
    struct Run {
        ResultLines lines;
        QByteArray built;
    };
    PerRun<Run> runs;
    records(runs.count(), [&](int part, int, const RecordView& record) {
        Run& run = runs[part];
        if (criteria.accepts(record)) {
            line(record, run.built);
            run.lines.append(run.built);
        }
        return true;
    });
    ResultLines lines = std::move(runs[0].lines);
    for (int part = 1; part < runs.count(); ++part)
        lines.append(runs[part].lines);
    lines.sort();
    return lines;
}

void findLastRecordOfLine(
    const RecordSource& records, LineBuilder line, const QString& chosen, std::optional<Card>& found)
{
    const QString wanted = text::trimmed(chosen);
    // Every line is made of stored text, so a chosen line the code page cannot
    // hold is no record's line.
    if (!std::all_of(wanted.cbegin(), wanted.cend(), [](QChar c) { return textfield::isStorable(c); }))
        return;
    const QByteArray wantedBytes = textfield::toWindows1252(wanted);
    struct Run {
        LastMatch last;
        QByteArray built;
    };
    PerRun<Run> runs;
    // Identical lines may stand for several cards; the last of them is the one
    // the editor ends up with: the last match of the last run that had one.
    const auto handOver = [&] {
        for (int part = runs.count() - 1; part >= 0; --part)
            if (runs[part].last.layout) {
                runs[part].last.handTo(found);
                return;
            }
    };
    try {
        records(runs.count(), [&](int part, int position, const RecordView& record) {
            Run& run = runs[part];
            line(record, run.built);
            if (trimmedBytes(run.built) == wantedBytes)
                run.last.keep(position, record);
            return true;
        });
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
}

} // namespace lumidex
