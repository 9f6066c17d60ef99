# The export's column tables, the records read for the grid with the user's edits, and the spreadsheet document
# written from them.
lumidex_sources(
  ByteArena.h ByteArena.cpp ExportDocument.h ExportDocument.cpp ExportRecords.h ExportRecords.cpp ExportTable.h ExportTable.cpp
  SheetText.h SheetText.cpp
)
