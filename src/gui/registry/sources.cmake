# The registry card editor and its typing aids.
lumidex_sources(
  FieldTyping.h FieldTyping.cpp TfrmAnagrafica.h TfrmAnagrafica.cpp
)
