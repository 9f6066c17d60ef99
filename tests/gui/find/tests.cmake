# Another program saves a registry card while the user types.
lumidex_add_test(tst_findfield SOURCES tst_findfield.cpp LIBS lumidex_testsupport
  DEFINES ARCHIVE_WORKER_PATH="$<TARGET_FILE:storage_archive_worker>"
  DEPENDS storage_archive_worker)
