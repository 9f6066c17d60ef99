lumidex_core_sources(
  TextField.h
  TextField.cpp
  RecordLayout.h
  RecordLayout.cpp
  Layouts.h
)
