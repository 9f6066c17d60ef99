#pragma once

// Where closing a book menu or opening window leads. Each window keeps its own
// value and the window set reads it when the window closes.
namespace lumidex {

enum class BookMenuExit { StartMenu, Creation, Opening };
enum class BookOpeningExit { StartMenu, Editor };

// The words a window's hidden memory label (`lblMemory`) shows for its way out.
// Nothing reads them back: the way out is the value above. The opening window's
// words for "open the chosen book" belong to its side (ArchiveProfile::openMarker).
namespace exitmarker {

inline constexpr auto backToStart = "avvio";
inline constexpr auto createBook = "crea";
inline constexpr auto openBook = "apri";

} // namespace exitmarker

} // namespace lumidex
