lumidex_ui_sources(TfrmCalendario.h TfrmCalendario.cpp)
