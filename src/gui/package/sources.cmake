# The package window for a client and the web gallery of a book, and their openers.
lumidex_sources(
  ShowPackage.h ShowPackage.cpp TfrmPacchetto.h TfrmPacchetto.cpp PacchettoOutput.cpp MakeGallery.h MakeGallery.cpp
  WebOutcomeMessages.h WebOutcomeMessages.cpp
)
lumidex_openers(ShowPackage.h MakeGallery.h)
