lumidex_ui_sources(
  Application.h Application.cpp
  Interaction.h Interaction.cpp
  RealInteraction.h RealInteraction.cpp
  TMisc.h TMisc.cpp
  WindowSet.h WindowSet.cpp
  WorkScreen.h WorkScreen.cpp
  FixedWindow.h FixedWindow.cpp
  PictureButton.h PictureButton.cpp
  Pictures.h Pictures.cpp
)
