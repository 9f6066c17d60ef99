lumidex_add_test(tst_exportdocument SOURCES tst_exportdocument.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_exportrecords SOURCES tst_exportrecords.cpp LIBS lumidex_testsupport)
# Two conversions by LibreOffice, each of which starts the whole office suite.
lumidex_add_test(tst_sheetinlibreoffice SOURCES tst_sheetinlibreoffice.cpp LIBS lumidex_testcore)
set_tests_properties(tst_sheetinlibreoffice PROPERTIES TIMEOUT 600)
