# The date calendar and its opener.
lumidex_ui_sources(TfrmCalendario.h TfrmCalendario.cpp PickDate.h PickDate.cpp)
