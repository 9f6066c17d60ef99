# Core (no widgets): the maker's addresses.
lumidex_core_sources(
  MakerContacts.h
  MakerContacts.cpp
)
