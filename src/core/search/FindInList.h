#pragma once

#include <QString>

namespace lumidex {

class ResultLines;

// One press of "Trova" over the result list: the index of the line to select,
// or -1 when no line contains `key` (the selection then stays).
//
// A new key (one that differs from `lastKey`) is looked for from the first line
// on, that line included; the same key again is looked for from the line after
// `selected`. Either way the search wraps from the last line to the first and
// ends once the starting line has been tested again. Both keys are compared as
// given; a line matches when it contains the key, letters A to Z in either case.
// An empty key matches nothing.
int findInList(const ResultLines& lines, int selected, const QString& key, const QString& lastKey);

} // namespace lumidex
