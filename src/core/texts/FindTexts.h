#pragma once

#include <QString>
#include <array>

namespace lumidex {

class FailureCause;

// The words of the find field of the card editors and of its list.
namespace findtext {

// The field's placeholder, and its tooltip before the shortcut.
QString placeholder();
QString fieldTip();
// How many cards answer what was typed.
QString count(qsizetype cards);
// Shown while the archive's index is being made.
QString preparing();
// Shown in place of the list when the archive could not be read.
QString notReadable(const FailureCause& cause);
// A line of the list: the texts of a card's line that are not empty.
QString foundLine(const std::array<QString, 3>& shown);

} // namespace findtext

} // namespace lumidex
