#include "search/LineOrder.h"

#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "storage/TextField.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <thread>

namespace lumidex {

namespace {

// A line where the sort meets it: the first letters it is ordered by, at hand
// in one place rather than behind its text, and its place in the list.
struct Keyed {
    CollationTable::Prefix prefix;
    qsizetype index;
    QByteArrayView text;
};

using KeyedIt = std::vector<Keyed>::iterator;

// Keys the lines from `first` on, one per place of [begin, end), and puts them
// in order: by their first letters, then, where those agree, by the whole line.
void keyAndSort(const CollationTable& table, const std::vector<QByteArrayView>& lines, std::size_t first, KeyedIt begin,
    KeyedIt end)
{
    for (KeyedIt at = begin; at != end; ++at, ++first)
        *at = { table.primaryPrefix(lines[first]), qsizetype(first), lines[first] };
    // Lines whose first letters differ are in order once their prefixes are:
    // the letters decide before accents and case. Equal prefixes stay in list
    // order, ready for the comparison of whole lines below.
    std::sort(begin, end, [](const Keyed& a, const Keyed& b) {
        if (a.prefix[0] != b.prefix[0])
            return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1])
            return a.prefix[1] < b.prefix[1];
        return a.index < b.index;
    });
    const auto less = [&](const Keyed& a, const Keyed& b) { return table.compare(a.text, b.text) < 0; };
    for (KeyedIt run = begin; run != end;) {
        const KeyedIt runEnd
            = std::find_if(run + 1, end, [&](const Keyed& line) { return line.prefix != run->prefix; });
        // A run of equal lines (the same card many times over) is already in
        // order: one look along it, not a sort.
        if (runEnd - run > 1 && !std::is_sorted(run, runEnd, less))
            std::stable_sort(run, runEnd, less);
        run = runEnd;
    }
}

// Below this many lines a second thread costs more than it spares.
constexpr std::size_t linesForTwoThreads = 20000;

std::vector<qsizetype> orderByTable(const CollationTable& table, const std::vector<QByteArrayView>& lines)
{
    std::vector<Keyed> keyed(lines.size());
    std::vector<Keyed> merged;
    if (lines.size() < linesForTwoThreads) {
        keyAndSort(table, lines, 0, keyed.begin(), keyed.end());
    } else {
        // Each half on a processor of its own, then the two merged: a search of
        // a large archive waits for half the sort. The halves touch nothing in
        // common but the tables, which are only read.
        const std::size_t half = lines.size() / 2;
        const KeyedIt middle = keyed.begin() + std::ptrdiff_t(half);
        {
            const std::jthread second([&] { keyAndSort(table, lines, half, middle, keyed.end()); });
            keyAndSort(table, lines, 0, keyed.begin(), middle);
        }
        // The same order as one sort of the whole: equal lines by their place.
        merged.resize(keyed.size());
        std::merge(keyed.begin(), middle, middle, keyed.end(), merged.begin(), [&](const Keyed& a, const Keyed& b) {
            if (a.prefix != b.prefix)
                return a.prefix < b.prefix;
            if (const int order = table.compare(a.text, b.text))
                return order < 0;
            return a.index < b.index;
        });
        keyed.swap(merged);
    }
    std::vector<qsizetype> order;
    order.reserve(keyed.size());
    for (const Keyed& line : keyed)
        order.push_back(line.index);
    return order;
}

std::vector<qsizetype> orderByCollator(const QStringList& lines)
{
    const QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        keys.push_back(collator.sortKey(line));
    std::vector<qsizetype> order(std::size_t(lines.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(order.begin(), order.end(),
        [&](qsizetype a, qsizetype b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    return order;
}

} // namespace

std::vector<qsizetype> lineOrder(const std::vector<QByteArrayView>& lines)
{
    // Plain alphabetical order of the whole line: digits are letters like any
    // other ("Scatto 10" before "Scatto 2"). The tables give the collator's own
    // order at a fraction of its cost; the collator sorts where they are missing.
    if (const CollationTable* table = italianCollationTable())
        return orderByTable(*table, lines);
    QStringList texts;
    texts.reserve(qsizetype(lines.size()));
    for (const QByteArrayView line : lines)
        texts.append(textfield::fromWindows1252(line));
    return orderByCollator(texts);
}

void sortLines(QStringList& lines)
{
    const CollationTable* table = italianCollationTable();
    const bool held
        = table && std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) { return table->holds(line); });
    std::vector<qsizetype> order;
    if (held) {
        std::vector<QByteArray> bytes;
        bytes.reserve(std::size_t(lines.size()));
        for (const QString& line : std::as_const(lines))
            bytes.push_back(textfield::toWindows1252(line));
        order = lineOrder(std::vector<QByteArrayView>(bytes.begin(), bytes.end()));
    } else {
        // A character beyond the code page: only the collator knows its place.
        order = orderByCollator(lines);
    }
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const qsizetype line : order)
        sorted.append(std::move(lines[line]));
    lines = std::move(sorted);
}

} // namespace lumidex
