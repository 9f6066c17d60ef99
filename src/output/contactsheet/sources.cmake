# Core (QtCore/QtGui only): the window's texts.
lumidex_core_sources(
  ContactSheetTexts.h ContactSheetTexts.cpp
)
# The contact sheet window and its opener.
lumidex_ui_sources(
  TfrmProvino.h TfrmProvino.cpp
  PrintContactSheet.h PrintContactSheet.cpp
)
