lumidex_ui_sources(TfrmZoom.h TfrmZoom.cpp ShowZoom.h ShowZoom.cpp)
