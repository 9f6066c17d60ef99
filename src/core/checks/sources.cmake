# The tax code, VAT number and IBAN checks.
lumidex_sources(
  CodFisc.h CodFisc.cpp Iban.h Iban.cpp PartitaIva.h PartitaIva.cpp
)
