lumidex_add_test(tst_zoom SOURCES tst_zoom.cpp LIBS lumidex_testsupport)
