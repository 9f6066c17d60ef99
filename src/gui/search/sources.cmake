# The search window of the three archive kinds and its opener.
lumidex_sources(
  FindCard.h FindCard.cpp SearchPanels.cpp SearchWindow.h SearchWindow.cpp TfrmTrovaAnagrafica.h
  TfrmTrovaBookDonne.h TfrmTrovaBookUomini.h
)
lumidex_openers(FindCard.h)
