# Text rules (trim, ASCII case, contains), the program's date and number formats, fit-to-frame maths.
lumidex_sources(
  FitToFrame.h FitToFrame.cpp Formatting.h Formatting.cpp Text.h Text.cpp
)
