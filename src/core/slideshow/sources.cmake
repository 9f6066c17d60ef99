# The slideshow's stepping and the photo decoded ahead.
lumidex_sources(
  PicturePreloader.h PicturePreloader.cpp SlideshowStep.h SlideshowStep.cpp
)
