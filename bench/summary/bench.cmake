lumidex_add_benchmark(summary_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/summary_bench.cpp)
