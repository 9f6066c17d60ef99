# The three archive kinds (registry, men's books, women's books) and the one table of what each has.
lumidex_sources(
  ArchiveKind.h ArchiveProfile.h ArchiveProfile.cpp
)
