# The build-time tool is run as the build runs it, as a separate program.
lumidex_add_test(tst_manualwriter SOURCES tst_manualwriter.cpp LIBS lumidex_testcore)
target_compile_definitions(tst_manualwriter PRIVATE
  LUMIDEX_MANUAL_WRITER="$<TARGET_FILE:lumidex_manual_writer>")
add_dependencies(tst_manualwriter lumidex_manual_writer)
