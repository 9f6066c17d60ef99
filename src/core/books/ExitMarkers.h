#pragma once

// What a book menu or opening window leaves in its hidden memory label
// (`lblMemory`) to say where closing it leads. The opening window's marker for
// "open the chosen book" belongs to its side (ArchiveProfile::openMarker).
namespace lumidex::exitmarker {

inline constexpr auto backToStart = "avvio";
inline constexpr auto createBook = "crea";
inline constexpr auto openBook = "apri";

} // namespace lumidex::exitmarker
