# Core (no widgets): the password text rules, its scrambling and its store.
lumidex_core_sources(
  PasswordText.h
  PasswordText.cpp
  Scrambler.h
  Scrambler.cpp
  IniText.h
  IniText.cpp
  PasswordStore.h
  PasswordStore.cpp
)
