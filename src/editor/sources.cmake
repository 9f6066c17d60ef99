lumidex_core_sources(Navigation.h Navigation.cpp)
lumidex_ui_sources(
  CardEditor.h CardEditor.cpp
  EditorStyle.h EditorStyle.cpp
  FieldRows.h FieldRows.cpp
)
