lumidex_core_sources(Formatting.h Formatting.cpp)
