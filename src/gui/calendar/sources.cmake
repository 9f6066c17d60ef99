# The date calendar of the book editors and its opener.
lumidex_sources(
  PickDate.h PickDate.cpp TfrmCalendario.h TfrmCalendario.cpp
)
lumidex_openers(PickDate.h)
