# Every window family's words: captions, messages and status texts, as functions of a namespace each.
lumidex_sources(
  AttachTexts.h AttachTexts.cpp BackupTexts.h BackupTexts.cpp BookTexts.h BookTexts.cpp CheckTexts.h CheckTexts.cpp
  CommonTexts.h CommonTexts.cpp CompCardTexts.h
  CompCardTexts.cpp ContactSheetTexts.h ContactSheetTexts.cpp EditorTexts.h EditorTexts.cpp ExportTexts.h
  ExportTexts.cpp FailureTexts.h FailureTexts.cpp LoginTexts.h LoginTexts.cpp MakerContacts.h MakerContacts.cpp PrintTexts.h PrintTexts.cpp
  PackageTexts.h PackageTexts.cpp RegistryTexts.h RegistryTexts.cpp SearchTexts.h SearchTexts.cpp ShellTexts.h
  ShellTexts.cpp SlideshowTexts.h SlideshowTexts.cpp
)
# The find field of the card editors.
lumidex_sources(FindTexts.h FindTexts.cpp)
