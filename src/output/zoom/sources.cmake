# The photo zoom window and its opener.
lumidex_ui_sources(TfrmZoom.h ShowZoom.h ShowZoom.cpp)
