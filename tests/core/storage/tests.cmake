lumidex_add_test(tst_textfield SOURCES tst_textfield.cpp LIBS lumidex_core)
lumidex_add_test(tst_storabletext SOURCES tst_storabletext.cpp LIBS lumidex_core)
lumidex_add_test(tst_layouts SOURCES tst_layouts.cpp LIBS lumidex_testcore)

# A second program that works on the same archive as the test.
add_executable(storage_archive_worker ${CMAKE_CURRENT_LIST_DIR}/archive_worker.cpp)
target_link_libraries(storage_archive_worker PRIVATE lumidex_testcore)
target_include_directories(storage_archive_worker PRIVATE ${CMAKE_CURRENT_LIST_DIR})

foreach(test IN ITEMS tst_archive tst_archivelocks tst_rollback tst_archivehold)
  lumidex_add_test(${test} SOURCES ${test}.cpp WorkerRecord.h LIBS lumidex_testcore
    DEFINES ARCHIVE_WORKER_PATH="$<TARGET_FILE:storage_archive_worker>"
    DEPENDS storage_archive_worker FAULT_SHIM)
endforeach()

# A folder whose file system cannot lock, made by answering the program's lock
# requests as such a file system does.
lumidex_add_test(tst_archivenolocks SOURCES tst_archivenolocks.cpp LIBS lumidex_testcore FAULT_SHIM)

lumidex_add_test(tst_photofiles SOURCES tst_photofiles.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_cardphoto SOURCES tst_cardphoto.cpp LIBS lumidex_testcore FAULT_SHIM)
lumidex_add_test(tst_safewrite SOURCES tst_safewrite.cpp LIBS lumidex_testcore FAULT_SHIM)
