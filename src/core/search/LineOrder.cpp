#include "search/LineOrder.h"

#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "storage/TextField.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <vector>

namespace lumidex {

namespace {

QStringList reordered(QStringList& lines, const std::vector<qsizetype>& order)
{
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const qsizetype index : order)
        sorted.append(std::move(lines[index]));
    return sorted;
}

// Every line in the code page, one after the other in one buffer, or false when
// a line holds a character the code page has not (never a line of an archive).
bool encodeAll(const QStringList& lines, QByteArray& bytes, std::vector<qsizetype>& starts)
{
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size();
    bytes.resize(total);
    starts.reserve(std::size_t(lines.size()) + 1);
    char* out = bytes.data();
    for (const QString& line : lines) {
        starts.push_back(out - bytes.constData());
        const QByteArray encoded = textfield::toWindows1252(line);
        // The code page writes '?' for what it has not; a pair of UTF-16 units
        // becomes one byte.
        if (encoded.size() != line.size())
            return false;
        for (qsizetype i = 0; i < encoded.size(); ++i) {
            if (encoded.at(i) == '?' && line.at(i) != QLatin1Char('?'))
                return false;
        }
        out = std::copy(encoded.begin(), encoded.end(), out);
    }
    starts.push_back(total);
    return true;
}

bool sortByTable(const CollationTable& table, QStringList& lines)
{
    QByteArray bytes;
    std::vector<qsizetype> starts;
    if (!encodeAll(lines, bytes, starts))
        return false;
    const auto text = [&](qsizetype index) {
        return QByteArrayView(bytes.constData() + starts[std::size_t(index)],
            starts[std::size_t(index) + 1] - starts[std::size_t(index)]);
    };
    std::vector<qsizetype> order(std::size_t(lines.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(
        order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return table.compare(text(a), text(b)) < 0; });
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
    std::vector<qsizetype> order(std::size_t(lines.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(order.begin(), order.end(),
        [&](qsizetype a, qsizetype b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
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
