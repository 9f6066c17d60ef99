# Text rules (trim, ASCII case, contains), why a file operation failed (and why a file cannot be read),
# the program's date and number formats, fit-to-frame maths, work done side by side on every core.
lumidex_sources(
  FailureCause.h FailureCause.cpp FitToFrame.h FitToFrame.cpp Formatting.h Formatting.cpp ReadableFile.h
  ReadableFile.cpp SideBySide.h SideBySide.cpp Text.h Text.cpp
)
