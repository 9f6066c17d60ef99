#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <vector>

namespace lumidex {

// Sorts lines as an Italian reader expects them, in the order of the Italian
// QCollator: accented letters beside their plain ones ("Àlvaro" among the A's),
// case second. Lines the collator finds equal keep their order.
void sortLines(QStringList& lines);

// The same order for lines in the archives' code page (one byte a character):
// the positions of `lines`, first to last.
std::vector<qsizetype> lineOrder(const std::vector<QByteArrayView>& lines);

} // namespace lumidex
