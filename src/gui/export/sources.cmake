# The export windows of the three archive kinds and their opener.
lumidex_sources(
  ExportGrid.h ExportGrid.cpp ExportWindow.h ExportWindow.cpp OpenExport.h OpenExport.cpp TfrmExpAnagrafica.h
  TfrmExpBookDonne.h TfrmExpBookUomini.h
)
lumidex_openers(OpenExport.h)
