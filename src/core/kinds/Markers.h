#pragma once

// The markers a window leaves in its hidden memory label (`lblMemory`): where a
// book menu or opening window leads when it closes, and which editor opened a
// shared dialog. The book sides' own markers are on `Side`.
namespace lumidex::marker {

inline constexpr auto backToStart = "avvio";
inline constexpr auto createBook = "crea";
inline constexpr auto openBook = "apri";
// The registry editor opened the search or attached-files dialog.
inline constexpr auto registry = "anagrafica";

} // namespace lumidex::marker
