# The search forms, the criteria and their score, the result lines, finding a line in the list, the scan of an
# archive.
lumidex_sources(
  ArchiveSearch.h ArchiveSearch.cpp CollationLearner.h CollationLearner.cpp CollationTable.h CollationTable.cpp FindInList.h FindInList.cpp LineOrder.h LineOrder.cpp ResultLineBuilders.h ResultLineBuilders.cpp
  ResultLines.h ResultLines.cpp ResultListModel.h ResultListModel.cpp SearchCriteria.h SearchCriteria.cpp SearchForm.h SearchForm.cpp
)
