lumidex_add_benchmark(archive_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/archive_bench.cpp)
lumidex_add_benchmark(sharing_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sharing_bench.cpp)
