#pragma once

#include "report/CompCardReport.h"

class QWidget;

namespace lumidex {

// Opens the comp card window for `card`, owned by `owner`, with the agency's line
// kept in `programDir`; it is gone when this returns.
void showCompCard(QWidget* owner, const QString& programDir, const report::CompCardValues& card);

} // namespace lumidex
