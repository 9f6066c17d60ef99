# The book catalogue windows (menu, creation, opening) and the book entry editor, once per side.
lumidex_sources(
  BookCreation.h BookCreation.cpp BookEditor.h BookEditor.cpp BookMenu.h BookMenu.cpp BookOpening.h
  BookOpening.cpp BookScreen.h BookScreen.cpp TfrmApriDonne.h TfrmApriUomini.h TfrmBookDonne.h
  TfrmBookUomini.h TfrmCreaDonne.h TfrmCreaUomini.h TfrmMenuDonne.h TfrmMenuUomini.h
)
