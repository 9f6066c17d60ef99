#pragma once

#include <QString>

namespace lumidex {

// The look of the card editors: sections, sheet, toolbar groups, status strip and
// the field highlight (yellow where the focus is, Alice blue elsewhere).
QString editorStyleSheet();

} // namespace lumidex
