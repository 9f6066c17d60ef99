# What a card editor decides without a window: where a move goes, what a field can store, whether the card
# shown holds work the archive does not.
lumidex_sources(
  CardChanges.h CardChanges.cpp FieldValidator.h FieldValidator.cpp Navigation.h Navigation.cpp
)
