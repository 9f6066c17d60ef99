# Core (no widgets): the help pages, the manual's text.
lumidex_core_sources(
  HelpPages.h
  HelpPages.cpp
  HelpParagraphs.h
  HelpParagraphs.cpp
)
