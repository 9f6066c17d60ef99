lumidex_ui_sources(
  TfrmAnagrafica.h TfrmAnagrafica.cpp
  FieldTyping.h FieldTyping.cpp
)
