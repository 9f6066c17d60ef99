#pragma once

// This header includes nothing of the program, so that any part of it may name
// a kind; what each kind has is in kinds/ArchiveProfile.h.
namespace lumidex {

// The archives the program keeps: the registry of persons, and the photo books,
// each of one side (men's or women's).
enum class ArchiveKind { Registry, MenBook, WomenBook };

inline constexpr ArchiveKind archiveKinds[] { ArchiveKind::Registry, ArchiveKind::MenBook, ArchiveKind::WomenBook };

constexpr bool isBook(ArchiveKind kind)
{
    return kind != ArchiveKind::Registry;
}

} // namespace lumidex
