lumidex_add_benchmark(search_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
