# Core (QtCore/QtGui only, no widgets): navigation decisions and the editors' texts.
lumidex_core_sources(
  Navigation.h Navigation.cpp
  EditorTexts.h EditorTexts.cpp
  FieldValidator.h FieldValidator.cpp
)
# The card editor shared by the registry and both book sides. The windows that
# take a card or an archive out of the program are opened from a file each.
lumidex_ui_sources(
  CardEditor.h CardEditor.cpp CardEditorLayout.cpp
  CardEditorSearch.cpp CardEditorExport.cpp CardEditorPrint.cpp
  CardEditorSlideshow.cpp CardEditorAttachments.cpp
  CardEditorCompCard.cpp CardEditorContactSheet.cpp
  EditorButtons.h EditorButtons.cpp
  EditorStyle.h EditorStyle.cpp
  FieldRows.h FieldRows.cpp
)
