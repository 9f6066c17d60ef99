#pragma once

#include <QStringList>

namespace lumidex {

// Sorts lines as an Italian reader expects them, in the order of the Italian
// QCollator: accented letters beside their plain ones ("Àlvaro" among the A's),
// case second. Lines the collator finds equal keep their order.
void sortLines(QStringList& lines);

} // namespace lumidex
