lumidex_add_test(tst_cardprint SOURCES tst_cardprint.cpp
  LIBS lumidex_testsupport)
lumidex_add_test(tst_summaryprint SOURCES tst_summaryprint.cpp
  LIBS lumidex_testsupport)
