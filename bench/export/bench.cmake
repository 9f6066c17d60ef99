lumidex_add_benchmark(export_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/export_bench.cpp)
