lumidex_add_test(tst_packagechoice SOURCES tst_packagechoice.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_webnames SOURCES tst_webnames.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_webpackage SOURCES tst_webpackage.cpp LIBS lumidex_testcore FAULT_SHIM)
# Opens a package and a gallery in headless Chromium (scripts/install-deps installs it).
lumidex_add_test(tst_webbrowser SOURCES tst_webbrowser.cpp LIBS lumidex_testcore
  DEFINES BROWSER_CHECK_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/browser_check.py")
