#pragma once

#include "report/ReportLayout.h"

#include <QStringList>

namespace lumidex::report {

// "Riepilogo dati": the search summary on A4 landscape. The title `txtTitolo`
// heads the first page, the listing `txtRiepilogo` runs down as many pages as
// it needs, and the footer `txtPagina` ("Stampa eseguita in data " and the day
// of printing) follows the last line.
ReportLayout summaryLayout();

// The pitch of the listing's lines: 12.822 report units, about 3.39 mm.
inline constexpr qreal summaryLinePitch = units(12.822);

// Puts the title and the listing, one line per result line in the order given,
// into a summary layout, and sizes the listing and its band to the lines.
bool fillSummary(ReportLayout& layout, const QString& title, const QStringList& lines);

} // namespace lumidex::report
