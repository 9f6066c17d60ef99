# Core (QtCore/QtGui only, no widgets): the search kinds, the criteria and their
# score, the result lines, finding a line in the list, the scan of an archive.
lumidex_core_sources(
  SearchKind.h SearchKind.cpp
  SearchCriteria.h SearchCriteria.cpp
  ResultLine.h ResultLine.cpp
  FindInList.h FindInList.cpp
  ArchiveSearch.h ArchiveSearch.cpp
  ResultLines.h ResultLines.cpp
  SearchTexts.h SearchTexts.cpp
)
# The search window of the registry and of both book sides, and its opener.
lumidex_ui_sources(
  SearchWindow.h SearchWindow.cpp SearchPanels.cpp
  TfrmTrovaAnagrafica.h TfrmTrovaBookUomini.h TfrmTrovaBookDonne.h
  FindCard.h FindCard.cpp
)
