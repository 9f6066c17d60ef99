# The help pages, and the chapters of the printed manual beyond them.
lumidex_sources(
  BackupChapter.h BackupChapter.cpp HelpPages.h HelpPages.cpp HelpParagraphs.h HelpParagraphs.cpp ManualChapters.h
  ManualChapters.cpp
)
