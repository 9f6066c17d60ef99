#include "search/FindInList.h"

#include "common/Text.h"
#include "search/ResultLines.h"

namespace lumidex {

int findInList(const ResultLines& lines, int selected, const QString& key, const QString& lastKey)
{
    const qsizetype count = lines.size();
    if (count == 0)
        return -1;
    const text::AsciiCaseInsensitiveFinder finder(key);
    QString line;
    const auto matches = [&](qsizetype index) {
        lines.text(index, line);
        return finder.foundIn(line);
    };

    qsizetype start = qBound(qsizetype(0), qsizetype(selected), count - 1);
    if (key != lastKey) {
        start = 0;
        if (matches(start))
            return 0;
    }
    qsizetype index = start;
    do {
        index = (index + 1) % count;
        if (matches(index))
            return int(index);
    } while (index != start);
    return -1;
}

} // namespace lumidex
