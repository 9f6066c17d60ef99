# The photo zoom window and its opener.
lumidex_ui_sources(TfrmZoom.h TfrmZoom.cpp ShowZoom.h ShowZoom.cpp)
