# The photo zoom window and its opener.
lumidex_sources(
  ShowZoom.h ShowZoom.cpp TfrmZoom.h
)
lumidex_openers(ShowZoom.h)
