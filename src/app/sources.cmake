# The program's wiring, on top of everything else: main, the application object
# and the window set with its hand-over rules. Nothing below includes these files.
lumidex_sources(
  Application.h Application.cpp
  WindowSet.h WindowSet.cpp
)
