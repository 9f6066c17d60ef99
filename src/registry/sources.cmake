# Core: the registry editor's texts.
lumidex_core_sources(RegistryTexts.h RegistryTexts.cpp)
# The registry card editor and its typing aids.
lumidex_ui_sources(
  TfrmAnagrafica.h TfrmAnagrafica.cpp
  FieldTyping.h FieldTyping.cpp
)
