# Core (no widgets): the book side table, book names, the shooting data read
# from a photo, and the books' texts.
lumidex_core_sources(
  Side.h Side.cpp
  BookNames.h BookNames.cpp
  PhotoShootingData.h PhotoShootingData.cpp
  BookTexts.h BookTexts.cpp
)
# The book catalogue windows and the book entry editor.
lumidex_ui_sources(
  BookEditor.h BookEditor.cpp
  TfrmBookUomini.h TfrmBookDonne.h
  BookScreen.h BookScreen.cpp
  BookMenu.h BookMenu.cpp
  TfrmMenuUomini.h TfrmMenuDonne.h
  BookCreation.h BookCreation.cpp
  TfrmCreaUomini.h TfrmCreaDonne.h
  BookOpening.h BookOpening.cpp
  TfrmApriUomini.h TfrmApriDonne.h
)
