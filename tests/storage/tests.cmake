lumidex_add_test(tst_textfield SOURCES tst_textfield.cpp LIBS lumidex_core)
lumidex_add_test(tst_layouts SOURCES tst_layouts.cpp LIBS lumidex_core)

# A second program that works on the same archive as the test.
add_executable(storage_append_worker ${CMAKE_CURRENT_LIST_DIR}/append_worker.cpp)
target_link_libraries(storage_append_worker PRIVATE lumidex_core)
target_include_directories(storage_append_worker PRIVATE ${CMAKE_CURRENT_LIST_DIR})

lumidex_add_test(tst_archive SOURCES tst_archive.cpp WorkerRecord.h LIBS lumidex_testcore)
target_compile_definitions(tst_archive PRIVATE
  APPEND_WORKER_PATH="$<TARGET_FILE:storage_append_worker>")
add_dependencies(tst_archive storage_append_worker)

lumidex_add_test(tst_photofiles SOURCES tst_photofiles.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_cardphoto SOURCES tst_cardphoto.cpp LIBS lumidex_testcore)
lumidex_add_test(tst_safewrite SOURCES tst_safewrite.cpp LIBS lumidex_testcore)
