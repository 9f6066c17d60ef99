lumidex_add_benchmark(package_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/package_bench.cpp)
