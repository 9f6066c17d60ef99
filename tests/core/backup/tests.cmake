lumidex_add_test(tst_backupparts SOURCES tst_backupparts.cpp LIBS lumidex_testcore)
# Another program saves into the archives while the backup reads them.
lumidex_add_test(tst_makebackup SOURCES tst_makebackup.cpp ZipLayout.h LIBS lumidex_testcore
  DEFINES ARCHIVE_WORKER_PATH="$<TARGET_FILE:storage_archive_worker>"
  DEPENDS storage_archive_worker FAULT_SHIM)
lumidex_add_test(tst_restorebackup SOURCES tst_restorebackup.cpp ZipLayout.h LIBS lumidex_testcore
  DEFINES ARCHIVE_WORKER_PATH="$<TARGET_FILE:storage_archive_worker>"
  DEPENDS storage_archive_worker FAULT_SHIM)
