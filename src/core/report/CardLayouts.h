#pragma once

#include "report/ReportLayout.h"

namespace lumidex::report {

// The registry card, "Scheda anagrafica": one A4 portrait page with the person's
// name on a title bar, the photo box `imgLogo` and 25 captioned value boxes
// (`txtLuogoNasc` ... `txtNote`; the languages box is named `txtlingue`).
ReportLayout registryCardLayout();

// The photo book entry, "Scheda book fotografico": the book's name and the shooting
// date on a header line, the entry's title on a bar, the photo box `imgLogo` and
// 11 captioned value boxes. Men's and women's books share it.
ReportLayout bookCardLayout();

} // namespace lumidex::report
