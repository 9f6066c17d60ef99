lumidex_add_test(tst_helppages SOURCES tst_helppages.cpp LIBS lumidex_core)
