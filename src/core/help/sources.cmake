# The help pages and the manual's text.
lumidex_sources(
  HelpPages.h HelpPages.cpp HelpParagraphs.h HelpParagraphs.cpp
)
