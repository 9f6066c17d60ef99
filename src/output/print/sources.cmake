# Core: the print windows' messages.
lumidex_core_sources(PrintTexts.h PrintTexts.cpp)
# Windows: the card print and preview windows, their openers and the search
# summary print.
lumidex_ui_sources(
  CardPrintWindow.h CardPrintWindow.cpp
  TfrmStampaAnagrafica.h TfrmAnteprimaAnagrafica.h
  TfrmStampaBookUomini.h TfrmAnteprimaBookUomini.h
  TfrmStampaBookDonne.h TfrmAnteprimaBookDonne.h
  PrintCard.h PrintCard.cpp
  SummaryPrint.h SummaryPrint.cpp
)
