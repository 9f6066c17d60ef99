# Report layouts, their composition and the one paint routine shared by printing, the preview and the tests.
lumidex_sources(
  CardLayouts.h CardLayouts.cpp CardReport.h CardReport.cpp CompCardLayout.h CompCardLayout.cpp
  CompCardReport.h CompCardReport.cpp ComposedReport.h ComposedReport.cpp ContactSheetLayout.h
  ContactSheetLayout.cpp ContactSheetReport.h ContactSheetReport.cpp PdfFile.h PdfFile.cpp PrintableReport.h
  PrintableReport.cpp
  ReportLayout.h ReportLayout.cpp ReportPainter.h ReportPainter.cpp SummaryLayout.h SummaryLayout.cpp
)
