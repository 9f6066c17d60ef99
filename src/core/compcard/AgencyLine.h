#pragma once

#include "common/FailureCause.h"

#include <QString>

// The agency's line printed at the foot of every comp card: set once by the user
// and kept in a small text file of the program folder, so that it travels with
// the folder like everything else the program keeps.
namespace lumidex::agencyline {

inline constexpr auto fileName = "Lumidex_Agenzia.txt";
// Longer would not fit the foot of an A5 card.
inline constexpr int maxLength = 150;

QString filePath(const QString& programDir);

// The line as last saved, trimmed; empty when none was ever saved or the file
// cannot be read.
QString read(const QString& programDir);

// Saves the trimmed line (one line of UTF-8 text), replacing the file only once
// it is written whole. On failure returns false and, if asked, the cause.
[[nodiscard]] bool write(const QString& programDir, const QString& line, FailureCause* cause = nullptr);

} // namespace lumidex::agencyline
