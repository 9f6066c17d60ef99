lumidex_add_benchmark(slideshow_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/slideshow_bench.cpp LIBS lumidex_ui)
