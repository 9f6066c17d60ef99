lumidex_add_test(tst_fieldinput SOURCES tst_fieldinput.cpp LIBS lumidex_core)
lumidex_add_test(tst_cardchanges SOURCES tst_cardchanges.cpp LIBS lumidex_core)
