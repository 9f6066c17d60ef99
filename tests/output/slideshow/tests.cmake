lumidex_add_test(tst_slideshowstep SOURCES tst_slideshowstep.cpp LIBS lumidex_core)
lumidex_add_test(tst_picturefitting SOURCES tst_picturefitting.cpp ../../storage/PhotoFixtures.h
  ../../storage/PhotoFixtures.cpp LIBS lumidex_core)
lumidex_add_test(tst_slideshow SOURCES tst_slideshow.cpp LIBS lumidex_testsupport)
