# The card print and preview windows, their openers and the search summary print.
lumidex_sources(
  CardPrintWindow.h CardPrintWindow.cpp PrintCard.h PrintCard.cpp SummaryPrint.h SummaryPrint.cpp
  TfrmAnteprimaAnagrafica.h TfrmAnteprimaBookDonne.h TfrmAnteprimaBookUomini.h TfrmStampaAnagrafica.h
  TfrmStampaBookDonne.h TfrmStampaBookUomini.h
)
lumidex_openers(PrintCard.h SummaryPrint.h)
