lumidex_core_sources(
  PasswordText.h
  PasswordText.cpp
  Scrambler.h
  Scrambler.cpp
  PasswordStore.h
  PasswordStore.cpp
)
