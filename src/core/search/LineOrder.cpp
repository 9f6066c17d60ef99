#include "search/LineOrder.h"

#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "storage/TextField.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>

namespace lumidex {

namespace {

// A line where the sort meets it: the first letters it is ordered by, at hand
// in one place rather than behind its text, and its place in the list.
struct Keyed {
    CollationTable::Prefix prefix;
    qsizetype index;
};

std::vector<qsizetype> orderByTable(const CollationTable& table, const std::vector<QByteArrayView>& lines)
{
    std::vector<Keyed> keyed;
    keyed.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        keyed.push_back({ table.primaryPrefix(lines[i]), qsizetype(i) });
    // Lines whose first letters differ are in order once their prefixes are:
    // the letters decide before accents and case. Equal prefixes stay in list
    // order, ready for the comparison of whole lines below.
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.prefix[0] != b.prefix[0])
            return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1])
            return a.prefix[1] < b.prefix[1];
        return a.index < b.index;
    });
    const auto less = [&](const Keyed& a, const Keyed& b) {
        return table.compare(lines[std::size_t(a.index)], lines[std::size_t(b.index)]) < 0;
    };
    for (auto run = keyed.begin(); run != keyed.end();) {
        const auto end
            = std::find_if(run + 1, keyed.end(), [&](const Keyed& line) { return line.prefix != run->prefix; });
        // A run of equal lines (the same card many times over) is already in
        // order: one look along it, not a sort.
        if (end - run > 1 && !std::is_sorted(run, end, less))
            std::stable_sort(run, end, less);
        run = end;
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
