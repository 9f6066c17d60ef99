lumidex_add_benchmark(backup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/backup_bench.cpp)
