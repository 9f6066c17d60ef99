# The toolkit every window uses (widgets allowed, no window of the program): the
# interaction seam, pictures and picture buttons, fixed windows, work screens,
# focus frames, style tokens, the report of unexpected errors, the frame of the
# small print-or-preview windows, the progress of long work, printing on the
# printer or into the file the user chose.
lumidex_sources(
  ArchiveEntries.h
  Interaction.h Interaction.cpp
  RealInteraction.h RealInteraction.cpp
  UnexpectedError.h UnexpectedError.cpp
  WorkScreen.h WorkScreen.cpp
  FixedWindow.h FixedWindow.cpp
  FocusFrame.h FocusFrame.cpp
  PictureButton.h PictureButton.cpp
  Pictures.h Pictures.cpp
  TextButton.h TextButton.cpp
  TextLabel.h TextLabel.cpp
  WaitCursor.h
  PictureScreen.h PictureScreen.cpp
  Style.h Style.cpp
  OutputChoiceWindow.h OutputChoiceWindow.cpp
  ProgressWindow.h ProgressWindow.cpp
  ReportProgress.h ReportProgress.cpp
  PrinterOutput.h PrinterOutput.cpp
  PasteRoute.h PasteRoute.cpp
  NoticeLine.h NoticeLine.cpp
  RecentFolders.h RecentFolders.cpp
  DesktopOpener.h DesktopOpener.cpp
  StorableInput.h StorableInput.cpp
  WholeValue.h WholeValue.cpp
)
