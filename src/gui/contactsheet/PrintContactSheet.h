#pragma once

#include "report/ContactSheetReport.h"

class QWidget;

namespace lumidex {

// Opens the contact sheet window for the book file `bookPath`, owned by `owner`,
// once the book's entries are read: an empty book is reported and a book that
// cannot be read gets the archive access message, with no window. The window
// is gone when this returns.
void printContactSheet(QWidget* owner, const QString& bookPath, const report::ContactSheetBook& book);

} // namespace lumidex
