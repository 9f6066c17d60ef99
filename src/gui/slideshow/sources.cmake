# The slideshow windows of the three archive kinds and their opener.
lumidex_sources(
  ShowSlideshow.h ShowSlideshow.cpp SlideshowWindow.h SlideshowWindow.cpp TfrmSlideshow_Anagrafica.h
  TfrmSlideshow_Donne.h TfrmSlideshow_Uomini.h
)
lumidex_openers(ShowSlideshow.h)
