# What a card editor decides without a window: where a move goes, what a field can store.
lumidex_sources(
  FieldValidator.h FieldValidator.cpp Navigation.h Navigation.cpp
)
