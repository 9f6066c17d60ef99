# The card print and preview windows and the search summary print.
lumidex_ui_sources(
  SummaryPrint.h SummaryPrint.cpp
)
