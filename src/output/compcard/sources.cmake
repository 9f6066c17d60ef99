# Core (QtCore/QtGui only): the agency's line kept in the program folder, and the
# window's texts.
lumidex_core_sources(
  AgencyLine.h AgencyLine.cpp
  CompCardTexts.h CompCardTexts.cpp
)
# The comp card window and its opener.
lumidex_ui_sources(
  TfrmCompCard.h TfrmCompCard.cpp
  ShowCompCard.h ShowCompCard.cpp
)
