# Core (QtCore/QtGui only): the slideshow's stepping and the photo decoded ahead.
lumidex_core_sources(
  SlideshowStep.h SlideshowStep.cpp
  PicturePreloader.h PicturePreloader.cpp
)
# The slideshow windows of the registry and of both book sides, one
# implementation with the archive as a value, and their opener.
lumidex_ui_sources(
  SlideshowWindow.h SlideshowWindow.cpp
  TfrmSlideshow_Anagrafica.h TfrmSlideshow_Uomini.h TfrmSlideshow_Donne.h
  ShowSlideshow.h ShowSlideshow.cpp
)
