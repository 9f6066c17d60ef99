# The card editor shared by the registry and both book sides; the windows that take a card or an archive out of
# the program are opened from a file each.
lumidex_sources(
  CardEditor.h CardEditor.cpp CardEditorAttachments.cpp CardEditorChanges.cpp CardEditorCompCard.cpp CardEditorContactSheet.cpp
  CardEditorExport.cpp CardEditorFind.cpp CardEditorLayout.cpp CardEditorPackage.cpp CardEditorPrint.cpp CardEditorSearch.cpp CardEditorSlideshow.cpp
  EditorButtons.h EditorButtons.cpp EditorStyle.h EditorStyle.cpp FieldRows.h FieldRows.cpp
)
