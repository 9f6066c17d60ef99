#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The reversible scrambling that keeps the access password out of plain sight in
// the password store. Each character becomes two upper-case hexadecimal digits;
// a running 16-bit key is advanced with every scrambled byte.
namespace lumidex::scrambler {

// Only the low 8 bits of each character code are kept, so texts with codes above
// 255 do not survive a round trip (see isStorablePassword()).
QString scramble(QStringView text);

// Reads the digit pairs in either letter case; a trailing odd digit is ignored.
// Returns nothing when a pair is not a hexadecimal number: the store is damaged
// and the whole value is unusable.
std::optional<QString> unscramble(QStringView hex);

} // namespace lumidex::scrambler
