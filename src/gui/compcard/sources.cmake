# The comp card window and its opener.
lumidex_sources(
  ShowCompCard.h ShowCompCard.cpp TfrmCompCard.h TfrmCompCard.cpp
)
lumidex_openers(ShowCompCard.h)
