lumidex_add_test(tst_scrambler SOURCES tst_scrambler.cpp LIBS lumidex_core)
lumidex_add_test(tst_passwordtext SOURCES tst_passwordtext.cpp LIBS lumidex_core)
lumidex_add_test(tst_passwordstore SOURCES tst_passwordstore.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_helppages SOURCES tst_helppages.cpp LIBS lumidex_core)

# The build-time tools are run as the build runs them, as separate programs.
lumidex_add_test(tst_passwordstoretool SOURCES tst_passwordstoretool.cpp LIBS lumidex_testcore)
target_compile_definitions(tst_passwordstoretool PRIVATE
  LUMIDEX_PASSWORD_STORE_TOOL="$<TARGET_FILE:lumidex_password_store>")
add_dependencies(tst_passwordstoretool lumidex_password_store)

lumidex_add_test(tst_manualwriter SOURCES tst_manualwriter.cpp LIBS lumidex_core)
target_compile_definitions(tst_manualwriter PRIVATE
  LUMIDEX_MANUAL_WRITER="$<TARGET_FILE:lumidex_manual_writer>")
add_dependencies(tst_manualwriter lumidex_manual_writer)
