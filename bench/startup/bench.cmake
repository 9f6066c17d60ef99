lumidex_add_benchmark(startup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp LIBS lumidex_ui)
