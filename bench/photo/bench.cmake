lumidex_add_benchmark(photo_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/photo_bench.cpp LIBS lumidex_ui)
