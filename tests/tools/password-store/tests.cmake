# The build-time tool is run as the build runs it, as a separate program.
lumidex_add_test(tst_passwordstoretool SOURCES tst_passwordstoretool.cpp LIBS lumidex_testcore
  DEFINES LUMIDEX_PASSWORD_STORE_TOOL="$<TARGET_FILE:lumidex_password_store>"
  DEPENDS lumidex_password_store)
