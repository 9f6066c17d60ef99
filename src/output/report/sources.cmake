# Core (QtCore/QtGui only, no widgets): report layouts, their composition and the
# one paint routine shared by printing, the preview and the tests.
lumidex_core_sources(
  PrintableReport.h PrintableReport.cpp
  ReportLayout.h ReportLayout.cpp
  ComposedReport.h ComposedReport.cpp
  ReportPainter.h ReportPainter.cpp
  CardLayouts.h CardLayouts.cpp
  CardReport.h CardReport.cpp
  SummaryLayout.h SummaryLayout.cpp
  CompCardLayout.h CompCardLayout.cpp
  CompCardReport.h CompCardReport.cpp
  ContactSheetLayout.h ContactSheetLayout.cpp
  ContactSheetReport.h ContactSheetReport.cpp
)
