# Core (no widgets): the tax code, VAT number and IBAN checks and their messages.
lumidex_core_sources(
  CheckTexts.h CheckTexts.cpp
  CodFisc.h CodFisc.cpp
  PartitaIva.h PartitaIva.cpp
  Iban.h Iban.cpp
)

# The check windows and their opener.
lumidex_ui_sources(
  CheckWindow.h CheckWindow.cpp
  TfrmCodFisc.h TfrmCodFisc.cpp
  TfrmPartitaIva.h TfrmPartitaIva.cpp
  TfrmIban.h TfrmIban.cpp
  OpenCheck.h OpenCheck.cpp
)
