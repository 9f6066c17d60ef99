lumidex_core_sources(
  HelpPages.h
  HelpPages.cpp
  HelpParagraphs.h
  HelpParagraphs.cpp
)
