lumidex_core_sources(
  MakerContacts.h
  MakerContacts.cpp
)
