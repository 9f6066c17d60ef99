lumidex_add_test(tst_findwords SOURCES tst_findwords.cpp LIBS lumidex_core)
lumidex_add_test(tst_findindex SOURCES tst_findindex.cpp LIBS lumidex_testcore)
# Another program changes the archive the index was made from.
lumidex_add_test(tst_findkeeper SOURCES tst_findkeeper.cpp LIBS lumidex_testcore
  DEFINES ARCHIVE_WORKER_PATH="$<TARGET_FILE:storage_archive_worker>"
  DEPENDS storage_archive_worker)
