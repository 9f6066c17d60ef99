lumidex_add_test(tst_fieldinput SOURCES tst_fieldinput.cpp LIBS lumidex_core)
