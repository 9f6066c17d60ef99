# Core (QtCore/QtGui only): the attachments folder, names a card can keep, and
# copies that never leave a half-written file.
lumidex_core_sources(
  AttachmentFiles.h AttachmentFiles.cpp
  AttachTexts.h AttachTexts.cpp
)
# The attached files dialog and its opener.
lumidex_ui_sources(
  TfrmAllegaCartella.h TfrmAllegaCartella.cpp
  AttachFiles.h AttachFiles.cpp
)
