# The build-time tool is run as the build runs it, as a separate program.
lumidex_add_test(tst_manualwriter SOURCES tst_manualwriter.cpp LIBS lumidex_testcore
  DEFINES LUMIDEX_MANUAL_WRITER="$<TARGET_FILE:lumidex_manual_writer>"
  DEPENDS lumidex_manual_writer)
