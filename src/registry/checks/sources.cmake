lumidex_core_sources(
  AsciiCase.h AsciiCase.cpp
  CodFisc.h CodFisc.cpp
  PartitaIva.h PartitaIva.cpp
  Iban.h Iban.cpp
)
