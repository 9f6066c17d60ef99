# The tax code, VAT number and IBAN check windows and their opener.
lumidex_sources(
  CheckWindow.h CheckWindow.cpp OpenCheck.h OpenCheck.cpp TfrmCodFisc.h TfrmCodFisc.cpp TfrmIban.h
  TfrmIban.cpp TfrmPartitaIva.h TfrmPartitaIva.cpp
)
lumidex_openers(OpenCheck.h)
