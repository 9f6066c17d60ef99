# The build-time tool is run as the build runs it, as a separate program.
lumidex_add_test(tst_passwordstoretool SOURCES tst_passwordstoretool.cpp LIBS lumidex_testcore)
target_compile_definitions(tst_passwordstoretool PRIVATE
  LUMIDEX_PASSWORD_STORE_TOOL="$<TARGET_FILE:lumidex_password_store>")
add_dependencies(tst_passwordstoretool lumidex_password_store)
