# Core (QtCore/QtGui only, no widgets): report layouts, their composition and the
# one paint routine shared by printing, the preview and the tests.
lumidex_core_sources(
  PrintableReport.h PrintableReport.cpp
)
