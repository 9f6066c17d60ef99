lumidex_add_benchmark(find_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/find_bench.cpp)
