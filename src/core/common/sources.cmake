# Text rules (trim, ASCII case, contains), the program's date and number formats, fit-to-frame maths,
# work done side by side on every core.
lumidex_sources(
  FitToFrame.h FitToFrame.cpp Formatting.h Formatting.cpp SideBySide.h SideBySide.cpp Text.h Text.cpp
)
