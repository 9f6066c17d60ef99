# Core (QtCore/QtGui only, no widgets): the text rules, the program's date and
# number formats, and fit-to-frame maths.
lumidex_core_sources(
  Text.h Text.cpp
  Markers.h
  Formatting.h Formatting.cpp
  FitToFrame.h FitToFrame.cpp
)
