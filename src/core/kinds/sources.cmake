# The three archive kinds (registry, men's books, women's books) and what each has.
lumidex_sources(
  Markers.h Side.h Side.cpp
)
