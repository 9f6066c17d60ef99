lumidex_add_test(test_scrambler SOURCES tst_Scrambler.cpp LIBS lumidex_core)
lumidex_add_test(test_password_text SOURCES tst_PasswordText.cpp LIBS lumidex_core)
lumidex_add_test(test_password_store SOURCES tst_PasswordStore.cpp LIBS lumidex_core)
lumidex_add_test(test_help_pages SOURCES tst_HelpPages.cpp LIBS lumidex_core)

# The build-time tools are run as the build runs them, as separate programs.
lumidex_add_test(test_password_store_tool SOURCES tst_PasswordStoreTool.cpp LIBS lumidex_core)
target_compile_definitions(test_password_store_tool PRIVATE
  LUMIDEX_PASSWORD_STORE_TOOL="$<TARGET_FILE:lumidex_password_store>")
add_dependencies(test_password_store_tool lumidex_password_store)

lumidex_add_test(test_manual_writer SOURCES tst_ManualWriter.cpp LIBS lumidex_core)
target_compile_definitions(test_manual_writer PRIVATE
  LUMIDEX_MANUAL_WRITER="$<TARGET_FILE:lumidex_manual_writer>")
add_dependencies(test_manual_writer lumidex_manual_writer)
