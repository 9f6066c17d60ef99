lumidex_add_test(tst_bookeditor SOURCES tst_bookeditor.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_bookcatalogue SOURCES tst_bookcatalogue.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_bookhandover SOURCES tst_bookhandover.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_booknames SOURCES tst_booknames.cpp LIBS lumidex_core)
lumidex_add_test(tst_photoshootingdata SOURCES tst_photoshootingdata.cpp CameraPhotos.h CameraPhotos.cpp
  LIBS lumidex_testcore PkgConfig::EXIV2)
lumidex_add_test(tst_bookphotodata SOURCES tst_bookphotodata.cpp CameraPhotos.h CameraPhotos.cpp
  LIBS lumidex_testsupport PkgConfig::EXIV2)
