#include "search/LineOrder.h"

#include "search/CollationLearner.h"
#include "search/CollationTable.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <vector>

namespace lumidex {

namespace {

// A line where the sort meets it: its characters at hand, without going through
// the list, and its place in the list.
struct Placed {
    QStringView text;
    qsizetype index;
};

QStringList reordered(QStringList& lines, const std::vector<Placed>& order)
{
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Placed& line : order)
        sorted.append(std::move(lines[line.index]));
    return sorted;
}

bool sortByTable(const CollationTable& table, QStringList& lines)
{
    std::vector<Placed> order;
    order.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!table.holds(lines.at(i)))
            return false;
        order.push_back({ lines.at(i), i });
    }
    std::stable_sort(order.begin(), order.end(),
        [&](const Placed& a, const Placed& b) { return table.compare(a.text, b.text) < 0; });
    lines = reordered(lines, order);
    return true;
}

void sortByCollator(QStringList& lines)
{
    const QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(lines.size()));
    for (const QString& line : std::as_const(lines))
        keys.push_back(collator.sortKey(line));
    std::vector<Placed> order;
    order.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        order.push_back({ lines.at(i), i });
    std::stable_sort(order.begin(), order.end(), [&](const Placed& a, const Placed& b) {
        return keys[std::size_t(a.index)].compare(keys[std::size_t(b.index)]) < 0;
    });
    lines = reordered(lines, order);
}

} // namespace

void sortLines(QStringList& lines)
{
    // Plain alphabetical order of the whole line: digits are letters like any
    // other ("Scatto 10" before "Scatto 2"). The tables give the collator's own
    // order at a fraction of its cost; the collator sorts what they cannot hold.
    if (const CollationTable* table = italianCollationTable(); table && sortByTable(*table, lines))
        return;
    sortByCollator(lines);
}

} // namespace lumidex
