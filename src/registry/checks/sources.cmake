lumidex_core_sources(
  CodFisc.h CodFisc.cpp
  PartitaIva.h PartitaIva.cpp
  Iban.h Iban.cpp
)

lumidex_ui_sources(
  CheckWindow.h CheckWindow.cpp
  TfrmCodFisc.h TfrmCodFisc.cpp
  TfrmPartitaIva.h TfrmPartitaIva.cpp
  TfrmIban.h TfrmIban.cpp
  OpenCheck.h OpenCheck.cpp
)
