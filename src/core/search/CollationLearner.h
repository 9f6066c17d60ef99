#pragma once

#include "search/CollationTable.h"

#include <optional>

class QCollator;

namespace lumidex {

// Works out the tables of `collator` for the code page from its own
// comparisons: which letters each character stands for and in what order,
// which accents and which forms tell characters with the same letters apart.
// None when the collator's order cannot be put into such tables; the tables
// found are checked against the collator before they are given.
std::optional<CollationTable> learnCollationTable(const QCollator& collator);

// The tables of the Italian collation, worked out once; null where they cannot
// be, and the collator itself must then sort.
const CollationTable* italianCollationTable();

} // namespace lumidex
