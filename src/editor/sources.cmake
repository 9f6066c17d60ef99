lumidex_core_sources(
  Navigation.h Navigation.cpp
  EditorTexts.h EditorTexts.cpp
)
lumidex_ui_sources(
  CardEditor.h CardEditor.cpp CardEditorLayout.cpp
  EditorStyle.h EditorStyle.cpp
  FieldRows.h FieldRows.cpp
)
