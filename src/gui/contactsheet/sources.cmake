# The contact sheet window and its opener.
lumidex_sources(
  PrintContactSheet.h PrintContactSheet.cpp TfrmProvino.h TfrmProvino.cpp
)
lumidex_openers(PrintContactSheet.h)
