# The password text rules, its scrambling and its store.
lumidex_sources(
  IniText.h IniText.cpp PasswordStore.h PasswordStore.cpp PasswordText.h PasswordText.cpp Scrambler.h
  Scrambler.cpp
)
