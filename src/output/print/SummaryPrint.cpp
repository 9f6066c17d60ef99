#include "output/print/SummaryPrint.h"

namespace lumidex {

void printSummary(QWidget*, const QString&, const QStringList&) { }

} // namespace lumidex
