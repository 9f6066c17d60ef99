# Core (QtCore/QtGui only, no widgets): the column tables, the records read for
# the grid with the user's edits, and the spreadsheet document written from them.
lumidex_core_sources(
  ExportTable.h ExportTable.cpp
  SheetText.h SheetText.cpp
  ExportRecords.h ExportRecords.cpp
  ExportDocument.h ExportDocument.cpp
  ExportTexts.h ExportTexts.cpp
)
# The export windows of the registry and of both book sides, and their opener.
lumidex_ui_sources(
  ExportGrid.h ExportGrid.cpp
  ExportWindow.h ExportWindow.cpp
  TfrmExpAnagrafica.h TfrmExpBookUomini.h TfrmExpBookDonne.h
  OpenExport.h OpenExport.cpp
)
