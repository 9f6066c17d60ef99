# The toolkit with the real interaction: no scripted user stands in.
lumidex_add_test(tst_progresswindow SOURCES tst_progresswindow.cpp LIBS lumidex_ui)
lumidex_add_test(tst_realinteraction SOURCES tst_realinteraction.cpp LIBS lumidex_ui)
lumidex_add_test(tst_printeroutput SOURCES tst_printeroutput.cpp LIBS lumidex_ui)
