# The find field of the card editors, its list and its opener.
lumidex_sources(
  FindAsYouType.h FindAsYouType.cpp FindField.h FindField.cpp FindPopup.h FindPopup.cpp
)
lumidex_openers(FindField.h)
