lumidex_add_test(tst_cardprint SOURCES tst_cardprint.cpp ../report/PdfReadBack.h ../report/PdfReadBack.cpp
  LIBS lumidex_testsupport)
lumidex_add_test(tst_summaryprint SOURCES tst_summaryprint.cpp ../report/PdfReadBack.h ../report/PdfReadBack.cpp
  LIBS lumidex_testsupport)
